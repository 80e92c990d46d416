// Quorvel: starts the game. Everything else lives in the library the tests share.
#include "app/Game.h"
#include "cards/SeededRandom.h"
#include "platform/App.h"
#include "platform/sdl/ErrorWindow.h"
#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <exception>
#include <filesystem>
#include <iostream>

int main(int, char**) {
    using namespace quorvel;
    try {
        SdlPlatform platform(
            SdlPlatform::Options{.dataFolder = FindDataFolder(), .headless = false});
        App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
        platform.Attach(app);
        SeededRandom random; // seeded once from the system's entropy source
        Game game(app, random, std::filesystem::current_path());
        game.Start();
        app.Run();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "quorvel: " << e.what() << '\n';
        ShowStartupError(e.what());
        SDL_Quit();
        return 1;
    }
}
