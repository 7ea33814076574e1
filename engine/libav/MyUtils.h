#pragma once
// Small services of the engine: library loading and binding, size texts, text splitting and running code
// on the user-interface thread.
#include <cstring>
#include <functional>
#include <type_traits>

#include "platform/base/Exception.h"
#include "platform/base/TCriticalSection.h"
#include "platform/base/Types.h"

/// A library lacks an export the engine binds; Message is "Load function <name>@<file> error: <reason>".
ZORVIK_DECLARE_EXCEPTION(EBindError, Exception)

/// Opens AFileName from ADir when ADir is not empty and the file exists there, else by the system's
/// library search. Returns the handle, or nullptr with the loader's reason in AError.
void* LoadLibraryFromFolder(const String& ADir, const String& AFileName, String& AError);
/// Loads, dependencies first, the libraries of AFileName's own folder that AFileName needs: the system's
/// search would otherwise take them from elsewhere, or not find them. False with the reason in AError when
/// one cannot be loaded or the process already holds another copy of it.
bool LoadFolderDependencies(const String& AFileName, String& AError);
/// The address of AExportName in the library AHandle; a missing export raises EBindError with
/// "Load function %s@%s error: %s" (export name, AFileName, the loader's reason).
void* BindFunction(const String& AFileName, void* AHandle, const char* AExportName);

/// Binds one member of an entry-point table named Bound from the library of AFileName and AHandle.
#define ZORVIK_BIND_ENTRY(name) \
  Bound.name = reinterpret_cast<decltype(Bound.name)>(BindFunction(AFileName, AHandle, #name));

/// Makes a completely bound table the process's one. Rebinding the same library leaves the table
/// untouched, so threads calling through it never see it written.
template <class TTable> void CommitEntries(TTable& Target, const TTable& Bound) {
  static_assert(std::is_trivially_copyable_v<TTable>);
  if (std::memcmp(&Target, &Bound, sizeof(TTable)) != 0) Target = Bound;
}

/// ASize as text: "%.2f GB" above 1073741824 bytes, "%.2f MB" above 1048576, "%.2f KB" above 1024,
/// otherwise (negative sizes too) "%d Byte".
String SizeToText(Int64 ASize);
/// Splits S at the first ADelimiter: AHead receives the text before it and, with ARemove, S keeps the text
/// after it. Without ADelimiter in S, AHead receives S whole and, with ARemove, S becomes empty.
void SplitText(String& S, const String& ADelimiter, bool ARemove, String& AHead);

/// Runs AMethod on the user-interface thread and returns when it ran; on that thread it runs at once. An
/// exception AMethod raises is raised again in the caller.
void RunInMainThread(const std::function<void()>& AMethod);
/// Handles every window message waiting for the calling thread, translated and dispatched, then returns.
/// A quit request met on the way is not dispatched; it is posted again at the end so that the loop the
/// caller returns to still ends.
void PumpMessages();
/// Enters ALock. On the user-interface thread the wait serves the hand-over queue, so a thread that holds
/// the lock while it hands work to the user-interface thread can finish and leave it.
void EnterServing(TCriticalSection& ALock);
