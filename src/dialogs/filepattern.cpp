#include "filepattern.h"

#include <QStringList>

namespace {

// Classic wildcard walk: on a mismatch, let the last "*" swallow one more
// character and try again. Linear in practice, never exponential.
bool wildcardMatch(std::u32string_view pattern, std::u32string_view name) {
    size_t p = 0;
    size_t n = 0;
    size_t star = std::u32string_view::npos;
    size_t resume = 0;
    while (n < name.size()) {
        // A "*" is a wildcard even where the name holds a "*" of its own.
        if (p < pattern.size() && pattern[p] == U'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (star != std::u32string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

} // namespace

FilePattern::FilePattern(const QString& patterns) {
    for (const QString& piece : patterns.split(QLatin1Char(';'))) {
        const QString trimmed = piece.trimmed();
        if (!trimmed.isEmpty())
            m_patterns.push_back(trimmed.toStdU32String());
    }
}

bool FilePattern::matches(const QString& name) const {
    const std::u32string text = name.toStdU32String();
    for (const std::u32string& pattern : m_patterns) {
        const std::u32string_view whole(pattern);
        if (wildcardMatch(whole, text))
            return true;
        if (whole.ends_with(U".*") && wildcardMatch(whole.substr(0, whole.size() - 2), text))
            return true;
    }
    return false;
}
