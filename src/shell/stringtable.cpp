#include "shell/stringtable.h"

#include <QLocale>
#include <cmath>

namespace {

struct Entry {
    int number;
    const char *text;
};

constexpr Entry kEntries[] = {
    {1000, "檔案(&F)"},    {1001, "新增(&N)"},   {1002, "開啟(&O)..."},
    {1003, "關閉(&C)"},    {1004, "儲存(&S)"},   {1005, "屬性(&I)"},
    {1006, "列印(&P)..."}, {1007, "結束(&X)"},   {1008, "檢視(&V)"},
    {1009, "工具列(&T)"},  {1010, "狀態列(&B)"}, {1011, "選項(&O)..."},
    {1012, "說明(&H)"},    {1013, "內容(&C)"},   {1014, "搜尋說明主題(&S)..."},
    {1015, "關於(&A)"},    {1016, "開新檔案"},   {1017, "開啟舊檔"},
    {1018, "儲存"},        {1019, "列印"},       {1020, "線條樣式"},
    {1021, "屬性"},        {1022, "繪圖"},       {1023, "版權"},
    {1024, "公司行號"},    {1025, "警告"},       {1026, "版本"},
    {1027, "平台"},        {1028, "公司產品"},   {1029, "產品名稱"},
    {1030, "授權給"},      {1031, "登入"},       {1032, "使用者名稱(&U):"},
    {1033, "密碼(&P):"},   {1034, "確定"},       {1035, "取消"},
    {1036, "上一頁"},      {1037, "下一頁"},     {1038, "停止"},
    {1039, "重新整理"},    {1040, "首頁"},       {1041, "搜尋"},
    {1042, "位址(&A):"},
};
static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == 43);

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the longest prefix of s (from `from`) that reads as a decimal
// number: [sign] digits [. digits] [e [sign] digits], with at least one digit
// in the mantissa. 0 when there is none.
int numberPrefix(const QString &s, int from)
{
    int i = from;
    const int n = s.size();
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) ++i;
    int digits = 0;
    while (i < n && isDigit(s[i]))
        ++i, ++digits;
    if (i < n && s[i] == QLatin1Char('.')) {
        int j = i + 1, fraction = 0;
        while (j < n && isDigit(s[j]))
            ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-'))) ++j;
        const int expStart = j;
        while (j < n && isDigit(s[j]))
            ++j;
        if (j > expStart) i = j;
    }
    return i - from;
}

// Rounds half to even and checks the 16-bit range.
std::optional<std::int16_t> toInt16(const QString &number)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value); // default rounding: half to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace

namespace StringTable {

std::optional<QString> text(int number)
{
    for (const Entry &e : kEntries)
        if (e.number == number) return QString::fromUtf8(e.text);
    return std::nullopt;
}

std::optional<std::int16_t> strictNumber(const QString &text)
{
    int from = 0, to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    if (from == to || numberPrefix(text, from) != to - from) return std::nullopt;
    return toInt16(text.mid(from, to - from));
}

std::optional<std::int16_t> lenientNumber(const QString &text)
{
    int from = 0;
    while (from < text.size() && isBlank(text[from]))
        ++from;
    const int length = numberPrefix(text, from);
    if (length == 0) return std::int16_t{0};
    return toInt16(text.mid(from, length));
}

} // namespace StringTable
