#pragma once

#include "app/Commands.h"

#include <QIcon>

// Our own toolbar and menu artwork, drawn at start-up: the desktop's theme
// icons where the style has a fitting one, a small glyph otherwise.
QIcon commandIcon(Cmd c);
