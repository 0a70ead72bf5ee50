// A profile that differs from the factory setup in every part an apply sends: report rate, DPI
// stages and colours, lighting, both key sets (every button), macros, and the key texts.
#pragma once

namespace vx::bench {

inline constexpr char kFarProfileText[] = R"([Profile]
Format = 1
Name = Far

[ReportRate]
ReportRateCode = 8

[Dpi]
DpiIndex = 0 3 6 11
DpiEnabled = 1 0 1 1
DpiColour = 1 2 3 4 5 6 7 8 9 10 11 12

[Lighting]
LightMode = 3
LightParam1 = 2
LightParam2 = 3
LightParam3 = 29
LightSub1 = 1
LightSub2 = 2
LightSub3 = 3

[Pointer]
PointerPrecision = 0
ScrollOneScreen = 1
MouseSpeedStep = 11
WheelScrollLines = 200
DoubleClickStep = 2

[KeySets]
CurrentKeySet = 1

[KeySetA]
Button1 = KeyType 1
Button2 = KeyType 9 MediaIndex 3 MediaUsage 205
Button3 = KeyType 10 FireIndex 54 FireUsage 240 FireSpeed 34 FireTimes 3
Button4 = KeyType 8 WindowsIndex 4 WindowsUsageLow 33 WindowsUsageHigh 2
Button5 = KeyType 13 MacroIndex 0 MacroRepeat 2
Button6 = KeyType 13 MacroIndex 1 MacroRepeat 1
Button7 = KeyType 11 SingleUsage 41
Button8 = KeyType 12 ComboModifiers 2 ComboUsage1 4 ComboUsage2 5
Button9 = KeyType 13 MacroIndex 2
Button10 = KeyType 14
Button11 = KeyType 0
Button12 = KeyType 11 SingleUsage 42

[KeySetB]
Button1 = KeyType 2
Button2 = KeyType 0
Button3 = KeyType 13 MacroIndex 3
Button4 = KeyType 4
Button5 = KeyType 3
Button6 = KeyType 6 KeyParam6 1
Button7 = KeyType 7
Button8 = KeyType 6 KeyParam6 2
Button9 = KeyType 11 SingleUsage 44
Button10 = KeyType 15
Button11 = KeyType 1
Button12 = KeyType 2

[Macro1]
Name = Reload
Repeat = 300
Item = R   Dn
Item = 1271 ms
Item = R   Up

[Macro2]
Name = Jump
Item = Space   Dn
Item = 50 ms
Item = Space   Up

[Macro3]
Name = Burst
Repeat = 3
Item = L-Button   Dn
Item = 20 ms
Item = L-Button   Up
Item = 20 ms
Item = L-Button   Dn
Item = 20 ms
Item = L-Button   Up

[Macro4]
Name = Crouch
Item = C   Dn
Item = 500 ms
Item = C   Up

[KeyTexts.EN]
A1 = Right Click
A5 = Reload
A6 = Jump
A9 = Burst
B3 = Crouch
)";

}  // namespace vx::bench
