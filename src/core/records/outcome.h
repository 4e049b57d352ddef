#pragma once

#include <QString>

#include <type_traits>
#include <utility>
#include <variant>

// What a fallible operation gives back: its value, or why it failed as a French message the
// windows show as it is. Every operation of the core that may fail on a file or the database
// answers in this one shape.
namespace records {

// The kind of failure when the caller needs none beyond the message.
enum class NoKind {};

// Why something failed, and, for the callers that tell failures apart, what kind it was.
template <class Kind = NoKind>
struct Failure {
    QString message;
    Kind kind{};
};

inline Failure<> failure(QString message) {
    return {std::move(message)};
}

template <class Kind>
Failure<Kind> failure(Kind kind, QString message) {
    return {std::move(message), kind};
}

// Outcome<void> is the answer of a write: success carries nothing.
template <class T, class Kind = NoKind>
class [[nodiscard]] Outcome {
    using Value = std::conditional_t<std::is_void_v<T>, std::monostate, T>;

  public:
    Outcome() requires std::is_void_v<T>
    = default;
    Outcome(Value value) : state_(std::in_place_index<0>, std::move(value)) {}
    Outcome(Failure<Kind> failed) : state_(std::in_place_index<1>, std::move(failed)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only asked of a success.
    const Value& value() const& { return std::get<0>(state_); }
    Value& value() & { return std::get<0>(state_); }
    Value&& value() && { return std::get<0>(std::move(state_)); }

    // Empty on success.
    const QString& error() const { return ok() ? noMessage() : std::get<1>(state_).message; }
    Kind kind() const { return ok() ? Kind{} : std::get<1>(state_).kind; }
    // The failure as it is, to be handed on by a caller that fails for the same reason.
    Failure<Kind> failure() const { return {error(), kind()}; }

  private:
    static const QString& noMessage() {
        static const QString none;
        return none;
    }

    std::variant<Value, Failure<Kind>> state_;
};

}  // namespace records
