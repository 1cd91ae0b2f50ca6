#pragma once

#include <initializer_list>
#include <optional>

// --help and --version, common to every kelvane program. They are answered
// from the bare arguments before any application object exists, so they
// work without a display and touch no database.
namespace cli {

enum class InfoRequest { None, Help, Version };

// Only the first argument counts: later ones may be data, such as the text
// of a message that happens to read "--help".
InfoRequest infoRequest(int argc, const char* const* argv);

// The translation context of every program's usage text: mark it with
// QT_TRANSLATE_NOOP("Usage", ...).
inline constexpr const char* usageContext = "Usage";

// Prints the usage in the person's language (to standard output: asked
// for, not an error) or "PROGRAM VERSION", and returns the exit status;
// nothing when the arguments ask for neither.
std::optional<int> answerInfoRequest(int argc, const char* const* argv, const char* program,
                                     const char* usage);
// The same for a usage in parts, each translated by itself.
std::optional<int> answerInfoRequest(int argc, const char* const* argv, const char* program,
                                     std::initializer_list<const char*> usage);

} // namespace cli
