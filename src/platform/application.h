// The application: the window system's connection, its event loop and the end of the program.
#pragma once

#include <memory>

// Made once, before the window. An exception that reaches the event loop from a handler is
// reported in a message box that names it, and the program ends. Each backend defines Native and
// every member.
class Application
{
public:
    struct Native;

    // Backend: connects to the window system.
    Application(int &argc, char **argv);
    // Backend.
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Backend: runs the event loop until the program ends.
    int exec();

private:
    std::unique_ptr<Native> m_native;
};

// Backend: ends the program at once, from wherever it is called, nested event dispatch included.
[[noreturn]] void endProgram(int exitCode = 0);
