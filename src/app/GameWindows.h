#pragma once

#include "ui/Game.h"

// Every window the game has, by name.
WindowCatalog gameWindows();
