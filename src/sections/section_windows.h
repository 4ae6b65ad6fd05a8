#pragma once

class WindowRegistry;

// Registers every section window under its class name.
void addSectionWindows(WindowRegistry &registry);
