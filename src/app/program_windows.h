#pragma once

class WindowRegistry;

// Registers every secondary window of the program under its class name.
void addProgramWindows(WindowRegistry &registry);
