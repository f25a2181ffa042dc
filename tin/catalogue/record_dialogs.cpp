// The record dialogs and their fields, in the columns of the ORBEN input
// records. Column captions are those the dialogs show; where a dialog shows
// other columns than the record holds (FILE, 2RET, the time-series ID, 4SWR)
// the caption keeps the dialog's text and `first`/`width` the record's.

#include <array>

#include "resources/dialog_ids.h"
#include "tin/catalogue/catalogue.h"

namespace tarnex::tin {
namespace {

using sv = std::string_view;

constexpr sv kZeroOne[] = {"0", "1"};
constexpr sv kZeroToTwo[] = {"0", "1", "2"};
constexpr sv kZeroToThree[] = {"0", "1", "2", "3"};
constexpr sv kZeroToFour[] = {"0", "1", "2", "3", "4"};
constexpr sv kZeroToFive[] = {"0", "1", "2", "3", "4", "5"};
constexpr sv kZeroToSeven[] = {"0", "1", "2", "3", "4", "5", "6", "7"};
constexpr sv kZeroToTwelve[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
constexpr sv kOneTwo[] = {"1", "2"};
constexpr sv kOneToThree[] = {"1", "2", "3"};
constexpr sv kOneToFive[] = {"1", "2", "3", "4", "5"};
constexpr sv kOneToSeven[] = {"1", "2", "3", "4", "5", "6", "7"};
constexpr sv kOneToEight[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
constexpr sv kOneToSeventeen[] = {"1", "2",  "3",  "4",  "5",  "6",  "7",  "8", "9",
                                  "10", "11", "12", "13", "14", "15", "16", "17"};
constexpr sv kOneToTwenty[] = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                               "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
constexpr sv kEightDownToZero[] = {"8", "7", "6", "5", "4", "3", "2", "1", "0"};
constexpr sv kEightDownToMinusEight[] = {"8",  "7",  "6",  "5",  "4",  "3",  "2",  "1", "0",
                                         "-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8"};
constexpr sv kMinusEightToEight[] = {"-8", "-7", "-6", "-5", "-4", "-3", "-2", "-1", "0",
                                     "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8"};
constexpr sv kZeroMinusOne[] = {"0", "-1"};
constexpr sv kMinusOneOneTwo[] = {"-1", "1", "2"};
constexpr sv kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr sv kDssMessageLevels[] = {"-1", "1", "2", "3", "4", "7", "8", "9"};
constexpr sv kFrequencyVariables[] = {"1", "2", "3", "4", "-4", "5", "-5", "6", "-6", "7", "8"};
constexpr sv kCommentCodes[] = {"COMM", "****", "**"};
constexpr sv kBlankZeroMinusOne[] = {"", "0", "-1"};
constexpr sv kBlankMinusOne[] = {"", "-1"};
constexpr sv kBlankZero[] = {"", "0"};
constexpr sv kBlankCharZero[] = {" ", "0"};
constexpr sv kBlankZeroToFour[] = {"", "0", "1", "2", "3", "4"};

constexpr unsigned variant(int v) { return 1u << v; }

constexpr Field kTitl[] = {
    {.first = 5, .width = 74, .control = ids::record_titl::kTitle, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "5 - 78", .variable = "TITLE", .format = "A76"},
};

// The comment text reaches column 152, the last the file holds: what the
// user can type and what the editor reads back.
constexpr Field kComm[] = {
    {.first = 1, .width = 4, .control = ids::record_comm::kCd, .kind = Kind::kDropList, .read = Read::kAsTyped,
     .columns = "1 - 4", .variable = "CD", .format = "A4", .offered = kCommentCodes},
    {.first = 5, .width = 148, .control = ids::record_comm::kComments, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "5 - 144", .variable = "Comments", .format = "A140"},
};

constexpr Field kFile[] = {
    {.first = 5, .width = 4, .control = ids::record_file::kOutForm, .columns = "5 - 8", .variable = "OUTFORM",
     .format = "I4", .offered = kZeroOne, .description = ids::record_file::kOutFormDescription},
    {.first = 9, .width = 4, .control = ids::record_file::kDssMes, .columns = "9 - 16", .variable = "DSSMES",
     .format = "I4", .offered = kDssMessageLevels, .description = ids::record_file::kDssMesDescription},
    {.first = 13, .width = 4, .blank_part = 1, .control = ids::record_file::kDssMon, .columns = "17 - 20",
     .variable = "DSSMON", .format = "1x,A3", .offered = kMonths},
};

constexpr Field kUnit[] = {
    {.first = 5, .width = 5, .control = ids::record_unit::kUnit, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "5 - 9", .variable = "UNIT", .format = "A5"},
    {.first = 10, .width = 5, .control = ids::record_unit::kUnhp, .kind = Kind::kEdit, .read = Read::kAsTyped,
     .columns = "10 - 14", .variable = "UNHP", .format = "A5"},
    {.first = 15, .width = 5, .control = ids::record_unit::kMonth1, .columns = "15 - 19", .variable = "MONTH1",
     .format = "A5", .offered = kMonths},
    {.first = 20, .width = 5, .control = ids::record_unit::kNewPage, .columns = "20 - 24", .variable = "NEWPAGE",
     .format = "I5", .offered = kZeroMinusOne, .description = ids::record_unit::kNewPageDescription},
};

constexpr Field k1Cpt[] = {
    {.first = 5, .width = 4, .control = ids::record_1cpt::kKk, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroToSeven, .description = ids::record_1cpt::kKkDescription},
    {.first = 9, .width = 8, .control = ids::record_1cpt::kOo, .columns = "9 - 16", .variable = "OO", .format = "I8",
     .offered = kOneTwo, .description = ids::record_1cpt::kOoDescription},
    {.first = 17, .width = 8, .control = ids::record_1cpt::kLim, .columns = "17 - 24", .variable = "LIM",
     .format = "I8", .offered = kZeroMinusOne, .description = ids::record_1cpt::kLimDescription},
    {.first = 25, .width = 8, .blank_part = 2, .control = ids::record_1cpt::kCpLim, .kind = Kind::kEdit,
     .first_chars = 6, .columns = "25 - 32", .variable = "CPLIM", .format = "2x,A6"},
};

constexpr Field k1Rec[] = {
    {.first = 5, .width = 4, .control = ids::record_1rec::kKk, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroOne, .description = ids::record_1rec::kKkDescription},
    {.first = 9, .width = 4, .control = ids::record_1rec::kNum, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
     .format = "I4", .offered = kOneToSeventeen},
    {.first = 13, .width = 4, .control = ids::record_1rec::kRec, .kind = Kind::kMultiLine, .columns = "13 - 80",
     .variable = "REC", .format = "17A4"},
};

constexpr Field k1Sum[] = {
    {.first = 5, .width = 4, .control = ids::record_1sum::kKk, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroToFour, .description = ids::record_1sum::kKkDescription},
};

constexpr Field k1Srt[] = {
    {.first = 5, .width = 4, .control = ids::record_1srt::kKk, .columns = "5 - 8", .variable = "KK", .format = "I4",
     .offered = kZeroToFour, .description = ids::record_1srt::kKkDescription},
    {.first = 9, .width = 4, .control = ids::record_1srt::kIff, .columns = "9 - 12", .variable = "IFF", .format = "I4",
     .offered = kZeroOne, .description = ids::record_1srt::kIffDescription},
};

// The summary tables share one layout: MNAN, NUM and NUM identifiers.
struct SummaryControls {
  int mnan, mnan_description, num, num_description, list;
};

constexpr std::array<Field, 3> summary(SummaryControls c, std::span<const sv> num_offered, int width,
                                       int blank_part, sv columns, sv format) {
  return {{
      {.first = 5, .width = 4, .control = c.mnan, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
       .offered = kZeroToTwo, .description = c.mnan_description},
      {.first = 9, .width = 4, .control = c.num, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
       .format = "I4", .offered = num_offered, .description = c.num_description},
      {.first = 13, .width = width, .blank_part = blank_part, .control = c.list, .kind = Kind::kMultiLine,
       .columns = columns, .variable = "IDEN(I)", .format = format},
  }};
}

constexpr auto k2Scp = summary({ids::record_2scp::kMnan, ids::record_2scp::kMnanDescription, ids::record_2scp::kNum,
                                ids::record_2scp::kNumDescription, ids::record_2scp::kIden},
                               kEightDownToZero, 8, 2, "13 - 76", "8(2x,A6)");
constexpr auto k2Swr = summary({ids::record_2swr::kMnan, ids::record_2swr::kMnanDescription, ids::record_2swr::kNum,
                                ids::record_2swr::kNumDescription, ids::record_2swr::kIden},
                               kEightDownToZero, 16, 0, "13 - 140", "8A16");
constexpr auto k2Sgp = summary({ids::record_2sgp::kMnan, ids::record_2sgp::kMnanDescription, ids::record_2sgp::kNum,
                                ids::record_2sgp::kNumDescription, ids::record_2sgp::kIden},
                               kOneToEight, 8, 0, "13 - 76", "8A8");
constexpr auto k2Sre = summary({ids::record_2sre::kMnan, ids::record_2sre::kMnanDescription, ids::record_2sre::kNum,
                                ids::record_2sre::kNumDescription, ids::record_2sre::kIden},
                               kEightDownToZero, 8, 2, "13 - 76", "8(2x,A6)");

constexpr Field k2Sba[] = {
    {.first = 5, .width = 4, .control = ids::record_2sba::kMnan, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
     .offered = kZeroToTwo, .description = ids::record_2sba::kMnanDescription},
};

constexpr Field k2Rel[] = {
    {.first = 5, .width = 4, .control = ids::record_2rel::kMon, .columns = "5 - 8", .variable = "MON", .format = "I4",
     .offered = kZeroToTwelve, .description = ids::record_2rel::kMonDescription},
    {.first = 9, .width = 4, .control = ids::record_2rel::kRFlag, .columns = "9 - 12", .variable = "RFLAG",
     .format = "I4", .offered = kZeroOne, .description = ids::record_2rel::kRFlagDescription},
    {.first = 13, .width = 4, .control = ids::record_2rel::kId, .columns = "13 - 16", .variable = "ID", .format = "I4",
     .offered = kZeroToThree, .description = ids::record_2rel::kIdDescription},
    {.first = 17, .width = 4, .control = ids::record_2rel::kNum, .columns = "17 - 20", .variable = "NUM",
     .format = "I4", .offered = kEightDownToMinusEight, .description = ids::record_2rel::kNumDescription},
    {.first = 21, .width = 8, .control = ids::record_2rel::kTar, .kind = Kind::kCombo, .blank = "0",
     .columns = "21 - 28", .variable = "TAR", .format = "F8.0", .offered = kBlankZeroMinusOne,
     .description = ids::record_2rel::kTarDescription},
};

constexpr Field k2Ret[] = {
    {.first = 5, .width = 8, .control = ids::record_2ret::kTar, .kind = Kind::kCombo, .first_chars = 8, .columns = "8",
     .variable = "TAR", .format = "F8.0", .offered = kBlankMinusOne, .description = ids::record_2ret::kTarDescription},
};

constexpr Field k2Fre[] = {
    {.first = 5, .width = 4, .control = ids::record_2fre::kVariable, .columns = "5 - 8", .variable = "Variable",
     .format = "I4", .offered = kFrequencyVariables, .description = ids::record_2fre::kVariableDescription},
    {.first = 9, .width = 4, .control = ids::record_2fre::kMon, .columns = "9 - 12", .variable = "MON", .format = "I4",
     .offered = kZeroToTwelve, .description = ids::record_2fre::kMonDescription},
    {.first = 13, .width = 4, .control = ids::record_2fre::kNum, .columns = "13 - 16", .variable = "NUM",
     .format = "I4", .offered = kEightDownToMinusEight, .description = ids::record_2fre::kNumDescription},
    {.first = 17, .width = 4, .control = ids::record_2fre::kTable, .columns = "17 - 20", .variable = "TABLE",
     .format = "I4", .offered = kOneTwo, .description = ids::record_2fre::kTableDescription},
    {.first = 21, .width = 4, .control = ids::record_2fre::kMethod, .columns = "21 - 24", .variable = "METHOD",
     .format = "I4", .offered = kOneToThree, .description = ids::record_2fre::kMethodDescription},
    {.first = 25, .width = 4, .control = ids::record_2fre::kMat, .columns = "25 - 28", .variable = "MAT",
     .format = "I4", .offered = kZeroToTwo, .description = ids::record_2fre::kMatDescription},
    {.first = 29, .width = 4, .control = ids::record_2fre::kTime, .kind = Kind::kEdit, .columns = "29 - 32",
     .variable = "TIME", .format = "I4"},
    {.first = 33, .width = 8, .control = ids::record_2fre::kXf, .kind = Kind::kEdit, .columns = "33 - 40",
     .variable = "XF", .format = "F8.0"},
    {.first = 41, .width = 8, .control = ids::record_2fre::kAf, .kind = Kind::kEdit, .columns = "41 - 48",
     .variable = "AF", .format = "F8.0"},
};

// Variant 0: a six-character identifier in 17-24 and the values from 25;
// variant 1: a sixteen-character one in 17-32 and the values from 33. The
// dialog relabels the identifier row by Variable.
constexpr Field k2Frq[] = {
    {.first = 5, .width = 4, .control = ids::record_2frq::kVariable, .columns = "5 - 8", .variable = "Variable",
     .format = "I4", .offered = kOneToEight, .description = ids::record_2frq::kVariableDescription},
    {.first = 9, .width = 4, .control = ids::record_2frq::kMonth, .first_chars = 4, .columns = "9 - 12",
     .variable = "MONTH", .format = "I4", .offered = kZeroToTwelve, .description = ids::record_2frq::kMonthDescription},
    {.first = 13, .width = 4, .control = ids::record_2frq::kNm, .columns = "13 - 16", .variable = "NM", .format = "I4",
     .offered = kOneToSeven},
    {.first = 17, .width = 8, .blank_part = 2, .control = ids::record_2frq::kIden, .kind = Kind::kEdit,
     .only = variant(0)},
    {.first = 17, .width = 16, .control = ids::record_2frq::kIden, .kind = Kind::kEdit, .only = variant(1)},
    {.first = 25, .width = 8, .control = ids::record_2frq::kQf, .kind = Kind::kMultiLine, .only = variant(0)},
    {.first = 33, .width = 8, .control = ids::record_2frq::kQf, .kind = Kind::kMultiLine, .only = variant(1)},
};

// Three lines, each beginning with 2RES: the settings and the reservoirs,
// the total storages and the inactive storages.
constexpr Field k2Res[] = {
    {.first = 5, .width = 4, .control = ids::record_2res::kTable, .first_chars = 4, .columns = "5 - 8",
     .variable = "TABLE", .format = "I4", .offered = kZeroToFour, .description = ids::record_2res::kTableDescription},
    {.first = 9, .width = 4, .control = ids::record_2res::kMonth, .first_chars = 4, .columns = "9 - 12",
     .variable = "MONTH", .format = "I4", .offered = kZeroToTwelve, .description = ids::record_2res::kMonthDescription},
    {.first = 13, .width = 4, .control = ids::record_2res::kNum, .columns = "13 - 16", .variable = "NUM",
     .format = "I4", .offered = kOneToTwenty, .description = ids::record_2res::kNumDescription},
    {.first = 17, .width = 8, .blank_part = 2, .control = ids::record_2res::kIden, .kind = Kind::kMultiLine,
     .columns = "17 - 176", .variable = "IDEN(res)", .format = "20(2x,A6)"},
    {.line = 2, .first = 17, .width = 8, .control = ids::record_2res::kC1, .kind = Kind::kMultiLine, .magnitude = true,
     .columns = "17 - 176", .variable = "C1(res)", .format = "20F8.0"},
    {.line = 3, .first = 17, .width = 8, .control = ids::record_2res::kC2, .kind = Kind::kMultiLine, .magnitude = true,
     .columns = "17 - 176", .variable = "C2(res)", .format = "20F8.0"},
};
constexpr ExtraLine k2ResLines[] = {{"2RES", Keep::kAlways}, {"2RES", Keep::kWhenFilled}};

// The 29 time-series records. The IDEN line's identifiers follow the ID:
// control points and reservoirs 2x,A6, water rights A16, water right groups A8.
constexpr Field kSeries[] = {
    {.first = 1, .width = 4, .control = ids::record_series::kCd, .kind = Kind::kReadOnly, .read = Read::kAsTyped,
     .columns = "1 - 4", .variable = "CD", .format = "A4"},
    {.first = 5, .width = 4, .control = ids::record_series::kTa, .first_chars = 4, .columns = "5 - 8", .variable = "TA",
     .format = "I4", .offered = kZeroOne, .description = ids::record_series::kTaDescription},
    {.first = 9, .width = 4, .control = ids::record_series::kPt, .first_chars = 4, .columns = "9 - 12",
     .variable = "PT", .format = "I4", .offered = kZeroToFive, .description = ids::record_series::kPtDescription},
    {.first = 13, .width = 4, .control = ids::record_series::kMore, .first_chars = 4, .columns = "13 - 16",
     .variable = "MORE", .format = "I4", .offered = kZeroOne, .description = ids::record_series::kMoreDescription},
    {.first = 17, .width = 4, .control = ids::record_series::kId, .first_chars = 4, .columns = "15 - 20",
     .variable = "ID", .format = "I4", .offered = kZeroToThree, .description = ids::record_series::kIdDescription},
    {.first = 21, .width = 4, .control = ids::record_series::kNum, .first_chars = 4, .blank = " NUM",
     .columns = "21 - 24", .variable = "NUM", .format = "I4", .offered = kMinusEightToEight,
     .description = ids::record_series::kNumDescription},
    {.line = 2, .first = 5, .width = 8, .blank_part = 2, .control = ids::record_series::kIden, .kind = Kind::kMultiLine,
     .only = variant(0) | variant(2)},
    {.line = 2, .first = 5, .width = 16, .control = ids::record_series::kIden, .kind = Kind::kMultiLine,
     .only = variant(1)},
    {.line = 2, .first = 5, .width = 8, .control = ids::record_series::kIden, .kind = Kind::kMultiLine,
     .only = variant(3)},
    {.first = 25, .width = 4, .blank_part = 3, .control = ids::record_series::kDecimal, .kind = Kind::kCombo,
     .first_chars = 4, .columns = "25 - 28", .variable = "DECIMAL", .format = "3x,A1", .offered = kBlankZeroToFour,
     .description = ids::record_series::kDecimalDescription},
    {.first = 29, .width = 4, .control = ids::record_series::kMat, .first_chars = 4, .columns = "29 - 32",
     .variable = "MAT", .format = "I4", .offered = kZeroToTwo, .description = ids::record_series::kMatDescription},
    {.first = 33, .width = 4, .control = ids::record_series::kTime, .kind = Kind::kEdit, .first_chars = 4,
     .columns = "33 - 36", .variable = "TIME", .format = "I4", .description = ids::record_series::kTimeDescription},
    {.first = 37, .width = 8, .control = ids::record_series::kXf, .kind = Kind::kCombo, .first_chars = 8,
     .columns = "37 - 44", .variable = "XF", .format = "F8.0", .offered = kBlankCharZero,
     .description = ids::record_series::kXfDescription},
    {.first = 45, .width = 8, .control = ids::record_series::kAf, .kind = Kind::kCombo, .first_chars = 8,
     .columns = "45 - 52", .variable = "AF", .format = "F8.0", .offered = kBlankZero,
     .description = ids::record_series::kAfDescription},
};
constexpr ExtraLine kSeriesLines[] = {{"IDEN", Keep::kWhenListed}};

constexpr Field kType3[] = {
    {.first = 1, .width = 4, .control = ids::record_type3::kCd, .kind = Kind::kReadOnly, .read = Read::kAsTyped,
     .columns = "1 - 4", .variable = "CD", .format = "A4"},
    {.first = 5, .width = 4, .blank_part = 2, .control = ids::record_type3::kCdOut, .kind = Kind::kEdit,
     .read = Read::kWhenFull, .columns = "5 - 8", .variable = "CDOUT", .format = "2x,A2"},
    {.first = 9, .width = 4, .control = ids::record_type3::kHec, .first_chars = 4, .columns = "9 - 12",
     .variable = "HEC", .format = "I4", .offered = kZeroOne, .description = ids::record_type3::kHecDescription},
    {.first = 13, .width = 8, .control = ids::record_type3::kInFac, .kind = Kind::kEdit, .first_chars = 8,
     .columns = "13 - 20", .variable = "INFAC", .format = "F8.0"},
};

constexpr Field k2Bud[] = {
    {.first = 5, .width = 8, .blank_part = 2, .control = ids::record_2bud::kCpBud, .kind = Kind::kEdit,
     .first_chars = 6, .columns = "5 - 12", .variable = "CPBUD", .format = "2x,A6"},
    {.first = 13, .width = 4, .control = ids::record_2bud::kYrFirst, .kind = Kind::kCombo, .first_chars = 4,
     .blank = "0", .columns = "13 - 16", .variable = "YRFIRST", .format = "I4", .offered = kBlankZero,
     .description = ids::record_2bud::kYrFirstDescription},
    {.first = 17, .width = 4, .control = ids::record_2bud::kYrLast, .kind = Kind::kCombo, .first_chars = 4,
     .blank = "0", .columns = "17 - 20", .variable = "YRLAST", .format = "I4", .offered = kBlankZero,
     .description = ids::record_2bud::kYrLastDescription},
    {.first = 21, .width = 4, .control = ids::record_2bud::kIcpi, .first_chars = 4, .columns = "21 - 24",
     .variable = "ICPI", .format = "I4", .offered = kZeroOne, .description = ids::record_2bud::kIcpiDescription},
    {.first = 25, .width = 4, .control = ids::record_2bud::kBegSto, .first_chars = 4, .columns = "25 - 28",
     .variable = "BEGSTO", .format = "I4", .offered = kZeroToTwo, .description = ids::record_2bud::kBegStoDescription},
    {.first = 29, .width = 4, .control = ids::record_2bud::kNegInf, .first_chars = 4, .columns = "29 - 32",
     .variable = "NEGINF", .format = "I4", .offered = kOneToThree, .description = ids::record_2bud::kNegInfDescription},
    {.first = 33, .width = 4, .control = ids::record_2bud::kCpOut, .first_chars = 4, .columns = "33 - 36",
     .variable = "CPOUT", .format = "I4", .offered = kZeroToTwo, .description = ids::record_2bud::kCpOutDescription},
    {.first = 37, .width = 4, .control = ids::record_2bud::kBasin, .first_chars = 4, .columns = "37 - 40",
     .variable = "BASIN", .format = "I4", .offered = kMinusOneOneTwo,
     .description = ids::record_2bud::kBasinDescription},
};

// IDEN: layout 0 takes two I4 values from the first two boxes; layouts 1 to
// 3 take one identifier from each of the eight boxes. The dialog labels the
// rows by layout.
constexpr int kIdenValueBoxes[] = {
    ids::record_iden::kValue1, ids::record_iden::kValue2, ids::record_iden::kValue3, ids::record_iden::kValue4,
    ids::record_iden::kValue5, ids::record_iden::kValue6, ids::record_iden::kValue7, ids::record_iden::kValue8,
};
struct IdenLayout {
  int width;
  int blank_part;
};
constexpr IdenLayout kIdenLayouts[] = {{8, 2}, {16, 0}, {8, 0}};  // layouts 1, 2, 3

constexpr std::array<Field, 26> iden_fields() {
  std::array<Field, 26> fields{{
      {.first = 5, .width = 4, .control = kIdenValueBoxes[0], .kind = Kind::kEdit, .blank = "0",
       .only = variant(0)},
      {.first = 9, .width = 4, .control = kIdenValueBoxes[1], .kind = Kind::kEdit, .blank = "1",
       .only = variant(0)},
  }};
  std::size_t n = 2;
  for (int layout = 1; layout <= 3; ++layout) {
    const auto& shape = kIdenLayouts[layout - 1];
    for (int box = 0; box < 8; ++box) {
      fields[n++] = {.first = 5 + box * shape.width, .width = shape.width, .blank_part = shape.blank_part,
                     .control = kIdenValueBoxes[box], .kind = Kind::kEdit, .only = variant(layout)};
    }
  }
  return fields;
}
constexpr auto kIden = iden_fields();

constexpr Field k4Swr[] = {
    {.first = 5, .width = 4, .control = ids::record_4swr::kMnan, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
     .offered = kZeroToTwo, .description = ids::record_4swr::kMnanDescription},
    {.first = 9, .width = 4, .control = ids::record_4swr::kNum, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
     .format = "I4", .offered = kOneToFive},
    {.first = 13, .width = 16, .control = ids::record_4swr::kIden, .kind = Kind::kMultiLine, .columns = "13 - 80",
     .variable = "IDEN(I)", .format = "A16"},
};

constexpr Field k4Sgp[] = {
    {.first = 5, .width = 4, .control = ids::record_4sgp::kMnan, .columns = "5 - 8", .variable = "MNAN", .format = "I4",
     .offered = kZeroToTwo, .description = ids::record_4sgp::kMnanDescription},
    {.first = 9, .width = 4, .control = ids::record_4sgp::kNum, .blank = " NUM", .columns = "9 - 12", .variable = "NUM",
     .format = "I4", .offered = kOneToFive},
    {.first = 13, .width = 8, .control = ids::record_4sgp::kIden, .kind = Kind::kMultiLine, .columns = "13 - 52",
     .variable = "IDEN(I)", .format = "A8"},
};

constexpr Field k4Zzf[] = {
    {.first = 5, .width = 4, .control = ids::record_4zzf::kVar, .columns = "5 - 8", .variable = "VAR", .format = "I4",
     .offered = kZeroToTwo, .description = ids::record_4zzf::kVarDescription},
    {.first = 9, .width = 4, .control = ids::record_4zzf::kMon, .columns = "9 - 12", .variable = "MON", .format = "I4",
     .offered = kZeroToTwelve, .description = ids::record_4zzf::kMonDescription},
    {.first = 13, .width = 4, .control = ids::record_4zzf::kNum, .columns = "13 - 16", .variable = "NUM",
     .format = "I4", .offered = kMinusEightToEight, .description = ids::record_4zzf::kNumDescription},
};

constexpr Field k4Zzz[] = {
    {.first = 5, .width = 4, .control = ids::record_4zzz::kTa, .columns = "5 - 8", .variable = "TA", .format = "I4",
     .offered = kZeroOne, .description = ids::record_4zzz::kTaDescription},
    {.first = 9, .width = 4, .control = ids::record_4zzz::kPt, .columns = "9 - 12", .variable = "PT", .format = "I4",
     .offered = kZeroToFive, .description = ids::record_4zzz::kPtDescription},
    {.first = 13, .width = 4, .control = ids::record_4zzz::kMore, .columns = "13 - 16", .variable = "MORE",
     .format = "I4", .offered = kZeroOne, .description = ids::record_4zzz::kMoreDescription},
    {.first = 17, .width = 4, .control = ids::record_4zzz::kVar, .columns = "17 - 20", .variable = "VAR",
     .format = "I4", .offered = kZeroToTwo, .description = ids::record_4zzz::kVarDescription},
    {.first = 21, .width = 4, .control = ids::record_4zzz::kNum, .columns = "21 - 24", .variable = "NUM",
     .format = "I4", .offered = kMinusEightToEight, .description = ids::record_4zzz::kNumDescription},
    {.first = 25, .width = 16, .control = ids::record_4zzz::kRight, .kind = Kind::kEdit, .columns = "25 - 40",
     .variable = "RIGHT", .format = "A16"},
};

constexpr RecordDialog kRecordDialogs[] = {
    {.dialog = ids::record_titl::kDialog, .title = "TITL record - Titles or Headings",
     .add_button = ids::record_titl::kAdd, .code = "TITL", .fields = kTitl},
    {.dialog = ids::record_comm::kDialog, .title = "COMM record - Comments", .add_button = ids::record_comm::kAdd,
     .fields = kComm},
    {.dialog = ids::record_page::kDialog, .title = "PAGE record - Title Page", .add_button = ids::record_page::kAdd,
     .code = "PAGE"},
    {.dialog = ids::record_endf::kDialog, .title = "ENDF record - End of Input File",
     .add_button = ids::record_endf::kAdd, .code = "ENDF"},
    {.dialog = ids::record_file::kDialog, .title = "FILE record - Output File Options",
     .add_button = ids::record_file::kAdd, .code = "FILE", .fields = kFile},
    {.dialog = ids::record_unit::kDialog, .title = "UNIT record - Units for Table Headings",
     .add_button = ids::record_unit::kAdd, .code = "UNIT", .fields = kUnit},
    {.dialog = ids::record_test::kDialog, .title = "TEST record - Test of MOR Output File for Problems",
     .add_button = ids::record_test::kAdd, .code = "TEST"},
    {.dialog = ids::record_1cpt::kDialog, .title = "1CPT record - Upstream to Downstream Sequencing of Control Points",
     .add_button = ids::record_1cpt::kAdd, .code = "1CPT", .fields = k1Cpt},
    {.dialog = ids::record_1len::kDialog, .title = "1LEN record - Listing of Sorted Water Rights",
     .add_button = ids::record_1len::kAdd, .code = "1LEN"},
    {.dialog = ids::record_1rec::kDialog, .title = "1REC record - Listing of Specified QARN Input Records",
     .add_button = ids::record_1rec::kAdd, .code = "1REC", .fields = k1Rec, .count_control = ids::record_1rec::kNum},
    {.dialog = ids::record_1srt::kDialog, .title = "1SRT record - Listing of Sorted Water Rights",
     .add_button = ids::record_1srt::kAdd, .code = "1SRT", .fields = k1Srt},
    {.dialog = ids::record_1sum::kDialog, .title = "1SUM record - Water Rights Summary",
     .add_button = ids::record_1sum::kAdd, .code = "1SUM", .fields = k1Sum},
    {.dialog = ids::record_iden::kDialog,
     .title = "IDEN Record - Identifiers of Control Points, Water Rights, Water Right Groups, or Reservoirs",
     .add_button = ids::record_iden::kAdd, .code = "IDEN", .fields = kIden, .variant = Variant::kIdenLayout},
    {.dialog = ids::record_series::kDialog, .add_button = ids::record_series::kAdd, .fields = kSeries,
     .count_control = ids::record_series::kNum, .variant = Variant::kSeriesIdentifierType,
     .selector_control = ids::record_series::kId, .extra_lines = kSeriesLines},
    {.dialog = ids::record_2rel::kDialog,
     .title = "2REL record - Water Supply Diversion or Hydroelectric Energy Reliability Summary",
     .add_button = ids::record_2rel::kAdd, .code = "2REL", .fields = k2Rel},
    {.dialog = ids::record_2ret::kDialog, .title = "2RET record - Supplemental 2REL Summary Table",
     .add_button = ids::record_2ret::kAdd, .code = "2RET", .fields = k2Ret},
    {.dialog = ids::record_2fre::kDialog, .title = "2FRE record - Flow-Frequency or Storage-Frequency Relationships",
     .add_button = ids::record_2fre::kAdd, .code = "2FRE", .fields = k2Fre},
    {.dialog = ids::record_2frq::kDialog, .title = "2FRQ record - Frequnecy for Specified Flow or Storage",
     .add_button = ids::record_2frq::kAdd, .code = "2FRQ", .fields = k2Frq, .count_control = ids::record_2frq::kNm,
     .variant = Variant::kFrqIdentifier, .selector_control = ids::record_2frq::kVariable},
    {.dialog = ids::record_2res::kDialog, .title = "2RES record - Reservoir Storage Tables",
     .add_button = ids::record_2res::kAdd, .code = "2RES", .fields = k2Res, .count_control = ids::record_2res::kNum,
     .extra_lines = k2ResLines},
    {.dialog = ids::record_2sba::kDialog, .title = "2SBA record - Aggregate Summary Table for the Entire River Basin",
     .add_button = ids::record_2sba::kAdd, .code = "2SBA", .fields = k2Sba},
    {.dialog = ids::record_2scp::kDialog, .title = "2SCP record - Summary Tables for Control Points",
     .add_button = ids::record_2scp::kAdd, .code = "2SCP", .fields = k2Scp, .count_control = ids::record_2scp::kNum},
    {.dialog = ids::record_2sgp::kDialog, .title = "2SGP record - Summary Tables for Water Rights Groups",
     .add_button = ids::record_2sgp::kAdd, .code = "2SGP", .fields = k2Sgp, .count_control = ids::record_2sgp::kNum},
    {.dialog = ids::record_2sre::kDialog, .title = "2SRE record - Summary Tables for Reservoirs",
     .add_button = ids::record_2sre::kAdd, .code = "2SRE", .fields = k2Sre, .count_control = ids::record_2sre::kNum},
    {.dialog = ids::record_2swr::kDialog, .title = "2SWR record - Summary Table for Water Rights",
     .add_button = ids::record_2swr::kAdd, .code = "2SWR", .fields = k2Swr, .count_control = ids::record_2swr::kNum},
    {.dialog = ids::record_2bud::kDialog,
     .title = "2BUD record - Water Budgets for Control Points and the Entire River Basin",
     .add_button = ids::record_2bud::kAdd, .code = "2BUD", .fields = k2Bud},
    {.dialog = ids::record_type3::kDialog, .add_button = ids::record_type3::kAdd, .fields = kType3},
    {.dialog = ids::record_4sgp::kDialog,
     .title = "4SGP record - Multiple Reservoir System Release Table for a Water Right Group",
     .add_button = ids::record_4sgp::kAdd, .code = "4SGP", .fields = k4Sgp, .count_control = ids::record_4sgp::kNum,
     .count_when_blank = 1},
    {.dialog = ids::record_4swr::kDialog,
     .title = "4SWR record - Multiple Reservoir System Release Table for a Water Right",
     .add_button = ids::record_4swr::kAdd, .code = "4SWR", .fields = k4Swr, .count_control = ids::record_4swr::kNum,
     .count_when_blank = 1},
    {.dialog = ids::record_4zzf::kDialog,
     .title = "4ZZF record - Frequency Table for Flows in Water Rights Priority Loop",
     .add_button = ids::record_4zzf::kAdd, .code = "4ZZF", .fields = k4Zzf},
    {.dialog = ids::record_4zzz::kDialog, .title = "4ZZZ record - Flows in Water Rights Priority Loop",
     .add_button = ids::record_4zzz::kAdd, .add_caption = "OK", .code = "4ZZZ", .fields = k4Zzz},
};

}  // namespace

std::span<const RecordDialog> record_dialogs() { return kRecordDialogs; }

}  // namespace tarnex::tin
