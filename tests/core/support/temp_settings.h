#pragma once

#include <filesystem>

#include "support/scratch_folder.h"

// A settings file of its own for one test, removed afterwards.
class TempSettings {
public:
    std::filesystem::path File() const { return folder_.Path() / "Solitaire.ini"; }

private:
    ScratchFolder folder_;
};
