// The application: the window system's connection, its event loop and the end of the program.
#pragma once

#include <memory>

// Made once, before the window. An exception that reaches the event loop from a handler is
// reported in a message box that names it, and the program ends.
class Application
{
public:
    struct Native;

    Application(int &argc, char **argv);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Runs the event loop until the program ends.
    int exec();

private:
    std::unique_ptr<Native> m_native;
};

// Ends the program at once, from wherever it is called, nested event dispatch included.
[[noreturn]] void endProgram(int exitCode = 0);
