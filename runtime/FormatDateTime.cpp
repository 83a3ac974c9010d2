#include "runtime/FormatDateTime.h"

#include <cctype>
#include <cstdint>

#include "runtime/NumberText.h"

namespace {

struct CivilDate {
  std::int64_t year;
  int month;
  int day;
};

// Days since 1899-12-30 to a proleptic Gregorian date.
CivilDate DateFromDays(std::int64_t days) {
  const std::int64_t z = days - 25569 + 719468;  // shift to 0000-03-01
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* word) {
  for (std::size_t i = 0; word[i]; ++i) {
    if (at + i >= text.size() || std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
  }
  return true;
}

// Length of the AM/PM specifier at `at`, or 0.
std::size_t DesignatorLength(const std::string& format, std::size_t at) {
  if (StartsWithNoCase(format, at, "am/pm")) return 5;
  if (StartsWithNoCase(format, at, "ampm")) return 4;
  if (StartsWithNoCase(format, at, "a/p")) return 3;
  return 0;
}

bool DesignatorFollows(const std::string& format, std::size_t from) {
  for (std::size_t i = from; i < format.size(); ++i)
    if (DesignatorLength(format, i)) return true;
  return false;
}

class Formatter {
 public:
  Formatter(const std::string& format, TTime value)
      : format_(format), time_(DecodeTime(value)), date_(DateFromDays(WholeDays(value).value_or(0))) {}

  std::string Run() {
    while (pos_ < format_.size()) Step();
    return out_;
  }

 private:
  std::size_t RunLength(char letter) const {
    std::size_t n = 0;
    while (pos_ + n < format_.size() && std::tolower(static_cast<unsigned char>(format_[pos_ + n])) == letter) ++n;
    return n;
  }

  void Designator(std::size_t length) {
    const bool pm = time_.hour >= 12;
    if (length == 4) {
      out_ += pm ? "PM" : "AM";
    } else if (length == 5) {
      out_ += format_.substr(pos_ + (pm ? 3 : 0), 2);
    } else {
      out_ += format_[pos_ + (pm ? 2 : 0)];
    }
    pos_ += length;
  }

  void Step() {
    const char c = format_[pos_];
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c == '"' || c == '\'') {
      const std::size_t end = format_.find(c, pos_ + 1);
      const std::size_t stop = end == std::string::npos ? format_.size() : end;
      out_ += format_.substr(pos_ + 1, stop - pos_ - 1);
      pos_ = end == std::string::npos ? stop : end + 1;
      return;
    }
    if (letter == 'a') {
      if (const std::size_t length = DesignatorLength(format_, pos_)) {
        Designator(length);
        lastLetter_ = 'a';
        return;
      }
    }
    const std::size_t run = RunLength(letter);
    const int two = run >= 2 ? 2 : 1;
    switch (letter) {
      case 'h': {
        int hour = time_.hour;
        if (DesignatorFollows(format_, pos_ + run)) hour = hour % 12 == 0 ? 12 : hour % 12;
        out_ += ZeroPadded(hour, two);
        break;
      }
      case 'n':
        out_ += ZeroPadded(time_.minute, two);
        break;
      case 'm':
        out_ += ZeroPadded(lastLetter_ == 'h' ? time_.minute : date_.month, two);
        break;
      case 's':
        out_ += ZeroPadded(time_.second, two);
        break;
      case 'z':
        out_ += ZeroPadded(time_.millisecond, run >= 3 ? 3 : 1);
        break;
      case 'd':
        out_ += ZeroPadded(date_.day, two);
        break;
      case 'y':
        out_ += run >= 3 ? ZeroPadded(date_.year, 4) : ZeroPadded(date_.year % 100, 2);
        break;
      default:
        out_ += c;
        pos_ += 1;
        if (std::isalpha(static_cast<unsigned char>(c))) lastLetter_ = letter;
        return;
    }
    pos_ += run;  // a longer run ("hhh") reads as its two-letter form
    lastLetter_ = letter;
  }

  const std::string& format_;
  const ClockTime time_;
  const CivilDate date_;
  std::string out_;
  std::size_t pos_ = 0;
  char lastLetter_ = 0;
};

}  // namespace

std::string FormatDateTime(const std::string& format, TTime value) { return Formatter(format, value).Run(); }
