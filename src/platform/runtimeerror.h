// The runtime errors that end the program with a message naming them.
#pragma once

#include <QString>
#include <stdexcept>

// Carries the number and the message of a runtime error up to the event loop, which reports it
// and ends the program.
class RuntimeError : public std::runtime_error
{
public:
    enum Code { Overflow = 6 };

    explicit RuntimeError(Code code);

    Code code() const { return m_code; }
    QString message() const;

private:
    Code m_code;
};
