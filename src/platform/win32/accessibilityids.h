// The identifiers of the accessibility interfaces, classes and properties the program uses.
#pragma once

#include <windows.h>

// Defined here rather than taken from the import libraries: MinGW's oleacc library exports
// IID_IAccessible as a function thunk, whose bytes are no interface identifier at all.
inline constexpr IID accessibleInterface{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
inline constexpr IID dispatchInterface{
    0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID unknownInterface{
    0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID propertyServicesInterface{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
inline constexpr CLSID propertyServicesClass{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
// The live setting of UI Automation, given to a window through the property services.
inline constexpr GUID liveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
// LiveSetting's Polite: read out once the screen reader has finished what it is saying.
inline constexpr LONG politeLiveSetting = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers give only to programs for Windows 8 and
// later; Windows 7 passes it on to whoever listens for every event.
inline constexpr DWORD liveRegionChangedEvent = 0x8019;
