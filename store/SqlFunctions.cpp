#include "store/SqlFunctions.h"

#include "store/CaseFold.h"
#include "store/Clock.h"
#include "store/SubstringSearch.h"

#include <optional>
#include <sqlite3.h>

namespace store {

namespace {

// What like() learns from its pattern, kept by the engine with the statement for as long as
// the pattern stays the same, so a scan over many rows reads the pattern once.
struct CompiledPattern {
    QByteArray pattern;
    std::optional<SubstringSearch> substring;
};

QByteArray argumentBytes(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QByteArray::fromRawData(text ? text : "", sqlite3_value_bytes(value));
}

bool matchesWithoutEscape(sqlite3_context* context, sqlite3_value** argv)
{
    auto* compiled = static_cast<CompiledPattern*>(sqlite3_get_auxdata(context, 0));
    const bool fresh = compiled == nullptr;
    if (fresh) {
        const QByteArray pattern = argumentBytes(argv[0]);
        compiled = new CompiledPattern{QByteArray(pattern.constData(), pattern.size()), std::nullopt};
        compiled->substring = SubstringSearch::forPattern(compiled->pattern);
    }
    const auto* text = sqlite3_value_text(argv[1]);
    const int size = sqlite3_value_bytes(argv[1]);
    const bool matched = compiled->substring ? compiled->substring->matches(text, std::size_t(size))
                                             : likeMatches(compiled->pattern, argumentBytes(argv[1]));
    // Handed over last: the engine may free it at once when it cannot keep it.
    if (fresh)
        sqlite3_set_auxdata(context, 0, compiled, [](void* p) { delete static_cast<CompiledPattern*>(p); });
    return matched;
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return; // NULL like anything is NULL, as in the engine's own like()
    if (argc == 2) {
        sqlite3_result_int(context, matchesWithoutEscape(context, argv) ? 1 : 0);
        return;
    }
    const QByteArray esc = argumentBytes(argv[2]);
    const auto* p = reinterpret_cast<const unsigned char*>(esc.constData());
    const auto* end = p + esc.size();
    if (p == end) {
        sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        return;
    }
    const char32_t escape = nextCodePoint(p, end);
    if (p != end) {
        sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        return;
    }
    sqlite3_result_int(context, likeMatches(argumentBytes(argv[0]), argumentBytes(argv[1]), escape) ? 1 : 0);
}

void nowFunction(sqlite3_context* context, int, sqlite3_value**)
{
    const QByteArray text = Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

} // namespace

void registerSqlFunctions(sqlite3* handle)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(handle, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(handle, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(handle, "now", 0, SQLITE_UTF8, nullptr, nowFunction, nullptr, nullptr);
}

} // namespace store
