#include "core/DateTimeText.h"

#include "core/Calendar.h"

namespace core {

namespace {

class Scanner {
public:
    explicit Scanner(const std::string& text) : text_(text) {}

    void SkipSpaces()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    // Digits are taken while the value is below 1000, so leading zeros are
    // free and at most four significant digits count.
    bool Number(int& value, int& digits)
    {
        SkipSpaces();
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_]) && value < 1000) {
            value = value * 10 + (text_[pos_] - '0');
            ++digits;
            ++pos_;
        }
        return digits > 0;
    }

    bool Separator(char c)
    {
        SkipSpaces();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Blank() const { return pos_ < text_.size() && text_[pos_] == ' '; }

    bool AtEndAfterSpaces()
    {
        SkipSpaces();
        return pos_ == text_.size();
    }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    const std::string& text_;
    std::size_t pos_ = 0;
};

int WindowedYear(int year, int digits, int currentYear)
{
    if (digits > 2) return year;
    int windowStart = currentYear - 50;
    int century = windowStart / 100 * 100;
    year += century;
    return year < windowStart ? year + 100 : year;
}

}  // namespace

bool TryReadDateTime(const std::string& text, int currentYear, double& out)
{
    Scanner scanner(text);
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int yearDigits = 0, digits = 0;
    if (!scanner.Number(year, yearDigits) || !scanner.Separator('-') || !scanner.Number(month, digits) ||
        !scanner.Separator('-') || !scanner.Number(day, digits))
        return false;
    if (!scanner.Blank()) return false;
    if (!scanner.Number(hour, digits) || !scanner.Separator(':') || !scanner.Number(minute, digits) ||
        !scanner.Separator(':') || !scanner.Number(second, digits) || !scanner.AtEndAfterSpaces())
        return false;
    year = WindowedYear(year, yearDigits, currentYear);
    if (!IsValidDate(year, month, day) || !IsValidTime(hour, minute, second, 0)) return false;
    out = CombineDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, 0));
    return true;
}

std::string PadTimeField(const std::string& field)
{
    return field.size() < 2 ? "0" + field : field;
}

std::string ComposeDateTimeText(const std::string& year, const std::string& month, const std::string& day,
                                const std::string& hour, const std::string& minute, const std::string& second)
{
    return year + "-" + month + "-" + day + " " + hour + ":" + minute + ":" + second;
}

std::string InvalidDateTimeMessage(const std::string& text)
{
    return "'" + text + "' is not a valid date and time";
}

std::string BeforeFileTimeOriginMessage(const std::string& text)
{
    return "'" + text + "' 早于文件时间的起点 1601-01-01 00:00（UTC），不能写入文件";
}

std::string UnwritableFileTimeMessage(const std::string& text)
{
    return "'" + text + "' 是文件时间的起点，系统把它当作“不更改”，不能写入文件";
}

std::string SkippedLocalTimeMessage(const std::string& text)
{
    return "'" + text + "' 在本地时区不存在（夏令时开始时时钟跳过了这一时刻），不能写入文件";
}

}  // namespace core
