#pragma once

#include <QString>

#include <string>
#include <vector>

// The wildcard pattern of a file list: one or more patterns separated by
// ";", each with "*" for any run of characters and "?" for exactly one.
// Matching is case-sensitive, as file names are. A pattern ending in ".*"
// also matches the name without that dot, so "*.*" lists every file, and
// "gala.*" also lists a file named just "gala".
class FilePattern {
public:
    explicit FilePattern(const QString& patterns);

    [[nodiscard]] bool matches(const QString& name) const;

private:
    std::vector<std::u32string> m_patterns;
};
