// Keeps a second preview or switchless run out while one is alive (a named event shared by every
// process of the desktop).
#pragma once

bool isFirstInstance();
