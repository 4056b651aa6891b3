// The runtime errors that end the program with a message naming them.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

// Carries the number and the message of a runtime error up to the event loop, which reports it
// and ends the program.
class RuntimeError : public std::runtime_error
{
public:
    enum Code { Overflow = 6 };

    explicit RuntimeError(Code code);

    Code code() const { return m_code; }
    std::u16string message() const;

private:
    Code m_code;
};

// What the report of an error that reached the event loop says: a runtime error's number and
// message, or the text of any other exception.
std::u16string errorReport(const std::exception &error);

// UTF-8 text, such as an exception's, as UTF-16; a malformed byte stands for itself.
std::u16string utf16FromUtf8(const std::string &text);
