#pragma once

// Creates the program's single instances once, in their fixed order: the main
// window, the data module (which connects), then the other windows. The finance
// window is created inside the main window.
void CreateInstances();
// Destroys them again (the program's end, and between tests).
void DestroyInstances();
