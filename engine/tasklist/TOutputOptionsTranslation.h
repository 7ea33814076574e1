#pragma once
// The translation of one output record into options, around the opening of the output file.
#include <map>
#include <vector>

#include "engine/task/IOptionSink.h"
#include "engine/tasklist/OptionText.h"
#include "engine/tasklist/TOutputOptions.h"

/// Translates one output record: ApplyBeforeOpen before the output is opened, AddNewStreams after it
/// opened. The stream options (codecs, presets, picture size, filters) given in the record or its
/// ExtOptions become the defaults of the output's first streams; the same options given in ExtOptions also
/// wait, in text order, for the streams "newaudio", "newvideo" and "newsubtitle" add.
class TOutputOptionsTranslation {
public:
  /// ASink and AOptions must outlive the translation.
  TOutputOptionsTranslation(IOptionSink& ASink, const TOutputOptions& AOptions);

  /// The target, the default codecs and presets, ExtOptions, then every field that counts in record
  /// order, the recording time and tags, and last the picture size and the filter chain.
  void ApplyBeforeOpen();
  /// Adds the streams ExtOptions asks for, each with the next waiting codec, preset, size and filter of
  /// its kind, or the default.
  void AddNewStreams();

private:
  void SetDefault(const String& AName, const String& AValue);
  String Default(const String& AName) const;
  void ApplyDefault(const String& AName);
  void Take(const String& AName);
  void ApplyFields();
  void ApplyInfo();
  void ApplyPositive(const char* AName, int AValue);
  void ApplyText(const char* AName, const String& AValue);
  void ApplyFlag(const char* AName, bool AValue);

  IOptionSink& FSink;
  const TOutputOptions& FOptions;
  std::vector<TOptionLine> FExtLines;
  std::map<String, String> FDefaults;  // "def_" + name: the value the output's streams get
  std::vector<TOptionLine> FWaiting;   // stream options for added streams, lower-cased names
};
