#pragma once
// Run-time loading of FFmpeg, SDL and the C library. The engine never links them: each component asks the
// process's loader for its set of libraries, and every export a library must offer is bound into the
// entry-point tables of the binding units before the library counts as loaded.
#include "platform/base/TCriticalSection.h"
#include "platform/base/TObject.h"
#include "platform/base/TSet.h"

/// The libraries, in load order.
enum TLibrary { avCodec, avDevice, avFilter, avFormat, avUtil, swScale, swResample, myUtil, lbSDL };
using TLibraries = TSet<TLibrary>;

/// What the conversion tasks use.
inline constexpr TLibraries TranscoderLibraries { avCodec, avFilter, avFormat, avUtil, swScale, swResample, myUtil };
/// What the media probe uses.
inline constexpr TLibraries ProbeLibraries { avCodec, avFormat, avUtil, swScale, myUtil };
/// What the player uses.
inline constexpr TLibraries PlayerLibraries = TranscoderLibraries + TLibraries { lbSDL };

/// Loads and binds the libraries. The state it works on is the process's one, shared by every reference.
///
/// A library is looked up first in the library folder under its soname ("libavcodec.so.59"), then by the
/// system's library search. Unloading only marks a library not loaded: it stays mapped and its entry points
/// stay bound, since another component of the process may still be calling into it; a later Load checks it
/// again. A library that fails its binding is closed again and leaves the entry points as they were.
class TFFmpegLoader : public TObject {
public:
  /// Loads and binds ALibrary unless it is so already; false with LastErrMsg set when that fails.
  bool Load(TLibrary ALibrary);
  /// Loads every member of the set in load order; at the first failure every member is unloaded again
  /// and the result is false. An empty set raises EAssertionFailed "Assertion failure".
  bool Load(TLibraries ALibraries);
  bool Loaded(TLibrary ALibrary) const;
  /// Whether every member is loaded; an empty set raises EAssertionFailed.
  bool Loaded(TLibraries ALibraries) const;
  void Unload(TLibrary ALibrary);
  /// Unloads every member; an empty set raises EAssertionFailed.
  void Unload(TLibraries ALibraries);

  /// The text of the last load or bind failure; a success leaves it.
  String LastErrMsg() const;
  /// The folder searched before the system's library search; empty at start.
  String LibraryPath() const;
  void SetLibraryPath(const String& Value);
  /// Whether loading libavutil installs the FFmpeg log bridge on the process's logger.
  bool InstallLogger() const { return FInstallLogger; }
  void SetInstallLogger(bool Value) { FInstallLogger = Value; }

private:
  bool FInstallLogger { true };
};

/// The process's loader.
extern TFFmpegLoader FFLoader;

/// Held around every open and close of a codec and every reading of a file's stream information anywhere
/// in the engine: FFmpeg's codec open and close must not run on two threads at once. The UI thread takes
/// it with EnterServing.
extern TCriticalSection CodecLock;

/// The components' LoadAVLib: sets the loader's LibraryPath to APath and loads ALibraries; on failure
/// ALastErrMsg receives the loader's text.
bool LoadAVLib(const String& APath, TLibraries ALibraries, String& ALastErrMsg);
