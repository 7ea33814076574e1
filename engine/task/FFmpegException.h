#pragma once
// The exception of every failure inside a conversion task.
#include "platform/base/Exception.h"

/// A conversion task's configuration or run failed; Message says why, in the words the task's users see.
ZORVIK_DECLARE_EXCEPTION(FFmpegException, Exception)
