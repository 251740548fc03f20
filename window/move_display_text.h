// The texts the window writes for numbers, numerals and the names of pieces.
#pragma once

#include <string>
#include <string_view>

namespace brenvolt {

// A number as the window shows it: its digits between a leading blank (a minus sign for a
// negative value) and a trailing blank, so that counts stand clear of what is beside them.
std::string 数値の表記(int 数値);

// A row's numeral is asked of 移動駒種類の表記 as this base plus the row.
inline constexpr int 段の表記基数 = 1000;

// "一" … "九" for 1 … 9; empty for any other value.
std::string_view 漢数字の表記(int 数値);

// One element of a move's notation: the full-width digit of a column (1 … 9), the numeral of a
// row (1001 … 1009) or the short name of a piece code (either side). Empty when the value has
// none, ±111 included.
std::string_view 移動駒種類の表記(int 駒種類);

}  // namespace brenvolt
