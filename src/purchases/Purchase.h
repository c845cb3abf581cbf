#pragma once
// A purchase along a catalog from a window: the shared rule, and the shop's one complaint when
// the cash falls short.

#include "rules/Buying.h"

class FormCore;

// True when the next entry was bought; says "Денег маловато." when the cash falls short.
bool buyNextOrComplain(FormCore& form, Catalog GameState::*catalog, QString GameState::*field);
