#pragma once

#include <QFunctionPointer>

// Heavy libraries that only some moments need (the picture decoder, the audio
// output) live in modules of their own, loaded the first time they are wanted, so
// that start-up neither maps nor initialises them.
//
// Resolves `symbol` in the module named `module` ("tablewise_magick"), loading it on
// first use; null when the module or the symbol cannot be found.
QFunctionPointer ResolveModuleSymbol(const char* module, const char* symbol);
