#include "games/game_windows.h"

#include <functional>
#include <map>

namespace {

template <typename Window>
GameWindow* Make() {
    return new Window;
}

const std::map<std::string, std::function<GameWindow*()>>& WindowFactories() {
    static const std::map<std::string, std::function<GameWindow*()>> factories = {
        {"TKlondikeForm", Make<TKlondikeForm>},
        {"TsKlondikeForm", Make<TsKlondikeForm>},
        {"TFreeCellForm", Make<TFreeCellForm>},
        {"TsFreeCellForm", Make<TsFreeCellForm>},
        {"TSeaHavenForm", Make<TSeaHavenForm>},
        {"TsSeaHavenForm", Make<TsSeaHavenForm>},
    };
    return factories;
}

}  // namespace

GameWindow* CreateGameWindow(const std::string& windowClass) {
    const auto found = WindowFactories().find(windowClass);
    return found == WindowFactories().end() ? nullptr : found->second();
}
