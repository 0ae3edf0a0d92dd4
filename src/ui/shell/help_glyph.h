#pragma once

#include <QIcon>

// The launcher's help button face: a question mark on a small blue disc.
QIcon HelpGlyph();
