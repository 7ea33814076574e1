#include "engine/tasklist/TFFmpeg.h"

#include "engine/tasklist/OptionTranslation.h"
#include "engine/tasklist/TPreviewer.h"

TFFmpeg::TFFmpeg(int AMaxFiles)
    : TCustomFFmpeg(AMaxFiles), FAVProbes(AMaxFiles), FInputOptions(AMaxFiles), FOutputOptions(AMaxFiles) {}

TFFmpeg::~TFFmpeg() {
  FAVProbes.clear();
  FInputOptions.clear();
  FOutputOptions.clear();
}

TAVProbe* TFFmpeg::GetAVProbe(int AIndex) {
  auto& Probe = FAVProbes.at(AIndex);
  if (!Probe) Probe = std::make_unique<TAVProbe>(nullptr);
  return Probe.get();
}

void TFFmpeg::SetInputOptions(int AIndex, const TInputOptions& AOptions) {
  FInputOptions.at(AIndex) = std::make_unique<TInputOptions>(AOptions);
}

void TFFmpeg::SetOutputOptions(int AIndex, const TOutputOptions& AOptions) {
  FOutputOptions.at(AIndex) = std::make_unique<TOutputOptions>(AOptions);
}

void TFFmpeg::ResetInputOptions(int AIndex) {
  if (auto& Options = FInputOptions.at(AIndex)) InitInputOptions(*Options);
}

void TFFmpeg::ResetOutputOptions(int AIndex) {
  if (auto& Options = FOutputOptions.at(AIndex)) InitOutputOptions(*Options);
}

void TFFmpeg::ApplyExtOptions(const String& AText, bool AForInput) { ::ApplyExtOptions(*this, AText, AForInput); }

TThread* TFFmpeg::StartConvert(bool AUseThread, TThreadPriority APriority) {
  return TCustomFFmpeg::StartConvert(AUseThread, APriority);
}

void TFFmpeg::CancelConvert(bool AWaitFor) { TCustomFFmpeg::CancelConvert(AWaitFor); }

void TFFmpeg::Pause() { TCustomFFmpeg::Pause(); }

void TFFmpeg::Resume() { TCustomFFmpeg::Resume(); }

bool TFFmpeg::Finished() const { return TCustomFFmpeg::Finished(); }

bool TFFmpeg::FatalException() const { return TCustomFFmpeg::FatalException(); }

String TFFmpeg::FatalMessage() const { return TCustomFFmpeg::FatalMessage(); }

std::unique_ptr<IPreviewWindow> TFFmpeg::CreatePreviewer() { return std::make_unique<TPreviewer>(); }
