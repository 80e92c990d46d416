// A panel (TPanel): a plain box that holds other controls; hiding it hides them all.
#pragma once

#include "platform/Control.h"

namespace quorvel {

class Panel : public Control {
public:
    explicit Panel(std::string name);

    void SetColor(Color color) { color_ = color; }
    void SetBevel(bool bevel) { bevel_ = bevel; }
    void Paint(Canvas& canvas) const override;

private:
    Color color_{212, 208, 200};
    bool bevel_ = true;
};

} // namespace quorvel
