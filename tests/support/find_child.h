// Finds a widget of a window the way Qt does, by the object name the program gives it
// (its name in the program, such as "g_uj"). A test that asks for a widget the window does
// not have fails there, instead of crashing on a null pointer later.
#pragma once

#include <QObject>
#include <stdexcept>
#include <string>

namespace tv::test {

template <class W>
W* child(const QObject& parent, const char* name) {
    W* found = parent.findChild<W*>(QLatin1String(name));
    if (found == nullptr) {
        throw std::logic_error("no child of the expected type named " + std::string(name));
    }
    return found;
}

}  // namespace tv::test
