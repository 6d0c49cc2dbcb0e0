#pragma once

#include <QString>

namespace mirel {

// The language the game speaks, as its translation names it ("de_DE", "pt_BR"); empty while
// it speaks English. Chosen once at start, from the desktop's languages.
inline QString& gameLanguage() {
    static QString language;
    return language;
}

} // namespace mirel
