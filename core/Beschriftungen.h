#pragma once
// Fixed captions of the window that the printed calculation sheet repeats.

#include <string_view>

namespace bda {

namespace Beschriftung {
// share of the quarter-rule frame (Label9); the 35 is fixed
inline constexpr std::string_view label9 =
    "Davon entfallen auf die Zeit bis zur Vollendung des     35.      Lebensjahres . . . . . . . . . . . . . "
    ". . . . .";
// sum of the quarter-rule frame (Label5)
inline constexpr std::string_view label5 =
    "Summe der anrechenbaren Zeiten . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . "
    ". . . .";
// sum of the half-rule frame (Label4)
inline constexpr std::string_view label4 =
    "Summe der anrechenbaren Zeiten  . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . "
    ". . . . .";
// remainder of the quarter-rule frame (Label2(0))
inline constexpr std::string_view label2_0 =
    "Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . . . . . . . . . . . . . . .";
// remainder of the half-rule frame (Label2(1))
inline constexpr std::string_view label2_1 =
    "Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . . . . . . . . . . . . . .";
// postponement of the quarter-rule frame (Label3(0))
inline constexpr std::string_view label3_0 =
    "Das BDA wird um                          davon hinausgeschoben . . . . . . . . . . . .";
// postponement of the half-rule frame (Label3(1))
inline constexpr std::string_view label3_1 =
    "Das BDA wird um                          davon hinausgeschoben . . . . . . . . .";
// result line, first part (Text(4))
inline constexpr std::string_view text4 = "Insgesamt ist  das";
// result line, second part (Text(6))
inline constexpr std::string_view text6 =
    "hinauszuschieben um (auf volle Monate abgerundet)  . . . . . . . . .";
}  // namespace Beschriftung

}  // namespace bda
