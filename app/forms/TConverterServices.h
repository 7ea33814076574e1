#pragma once
// What the main window is given from outside: the conversion engine and the system services it calls.
class IFFConverter;
class IPowerService;
class IShellOpenService;
class ISoundService;

/// The main window's outside services, all required; the window uses them and frees none. The program
/// passes the real ones, tests their fakes.
struct TConverterServices {
  IFFConverter* Converter { nullptr };
  IPowerService* Power { nullptr };
  ISoundService* Sound { nullptr };
  IShellOpenService* ShellOpen { nullptr };
};
