#pragma once
// Date texts as the date fields hold them: ten characters "dd/mm/yyyy", day in characters 1-2, month in
// 4-5, year in 7-10. The separators are never read. "__/__/____" is an empty field.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace bda {

inline constexpr std::string_view leeresDatum = "__/__/____";

// Dates the fields accept, both ends included.
inline constexpr std::chrono::year_month_day erstesZulässigesDatum{std::chrono::year{1930},
                                                                   std::chrono::January, std::chrono::day{1}};
inline constexpr std::chrono::year_month_day letztesZulässigesDatum{
    std::chrono::year{2040}, std::chrono::December, std::chrono::day{31}};

// Whether `datum` lies in 01/01/1930..31/12/2040.
bool zulässig(std::chrono::year_month_day datum);

// The permitted range as messages name it: "01/01/1930 bis 31/12/2040".
std::string zulässigerBereich();

// The number the leading digits at character `von` (counted from 1) spell, over at most `länge`
// characters; 0 when the place holds no digit ("__" reads 0, "7_" reads 7).
int ziffernwert(std::string_view text, std::size_t von, std::size_t länge);

bool istLeer(std::string_view datumstext);

// The text has the shape the field's mask gives it: two digits or "_", "/", two, "/", four.
bool hatDatumsmaske(std::string_view text);

// The date a complete text names, or none when a digit is missing or the date does not exist.
std::optional<std::chrono::year_month_day> datumAusText(std::string_view datumstext);

// The date a complete text names when the fields accept it (01/01/1930..31/12/2040): what the case
// counts, whether or not the field has been confirmed with Enter yet.
std::optional<std::chrono::year_month_day> zulässigesDatum(std::string_view datumstext);

std::string textAusDatum(std::chrono::year_month_day datum);

// The refusal a field shows for a complete text: "Den 31/02/2001 gibt es nicht." for a day the calendar
// lacks, the permitted range for a date before 01/01/1930 or after 31/12/2040; none for a valid date and
// for a text that is still incomplete.
std::optional<std::string> datumsfehler(std::string_view datumstext);

// Calendar days from `von` to `bis`, negative when `bis` lies earlier; the end day is not added.
int kalendertage(std::chrono::year_month_day von, std::chrono::year_month_day bis);

std::chrono::year_month_day tagDavor(std::chrono::year_month_day datum);

// The N-th birthday: the day and month of the birth date in the year of birth + N. A 29 February falls
// on 1 March in a year not divisible by 4.
std::chrono::year_month_day geburtstag(std::chrono::year_month_day geburtsdatum, int jahre);

}  // namespace bda
