#pragma once
// A dialog holding one control of every kind, for the tests of both
// realisations.

namespace tarnex::test {

constexpr int kEveryKindDialog = 9001;
constexpr int kEveryKindPage = 9002;

constexpr const char* kEveryKindTemplate = R"(
dialog 9001 "Every kind"
static 101 row=0 col=0 "A label"
edit 102 row=0 col=1
edit 103 row=1 col=0 span=2 multiline
edit 104 row=2 col=0 readonly "fixed"
edit 105 hidden row=2 col=1
button 106 row=3 col=0 "Push"
button 107 row=3 col=1 "Ends"
default 1 row=3 col=2 "OK"
button 2 row=3 col=3 "Cancel"
check 108 row=4 col=0 "Check"
group 109 row=5 col=0 span=4 "Choice"
radio 110 in=109 row=0 col=0 "First"
radio 111 in=109 row=0 col=1 "Second"
radio 112 in=109 row=1 col=0 newgroup "Third"
radio 113 in=109 row=1 col=1 "Fourth"
droplist 114 row=6 col=0 "" "ONE" "TWO"
combo 115 row=6 col=1 "" "RED" "BLUE"
list 116 row=7 col=0 span=2 "" "alpha" "beta" "gamma"
hscroll 117 row=8 col=0 span=4
tab 118 row=9 col=0 span=4
dialog 9002 page
edit 1000 multiline readonly
)";

}  // namespace tarnex::test
