#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

// How addressees are numbered: seq is decimal text of at most five digits,
// and a new addressee takes the number after the last one handed out,
// passing over every number an addressee holds.
namespace SeqNumbers {
constexpr qint64 Highest = 99999;

// The first number after `last` that is not held. Past Highest, with
// `wrap` the smallest free number from 1 is given, without it none; none
// either when every number is held.
std::optional<qint64> nextFree(qint64 last, const std::function<bool(qint64)>& held, bool wrap);
} // namespace SeqNumbers
