#pragma once

#include "Game.h"

// Every window the game has, by name.
WindowCatalog gameWindows();
