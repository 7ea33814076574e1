#pragma once
// The exception hierarchy of the run-time library. Every exception the system raises derives from
// Exception and carries its text in Message.
#include <exception>
#include <utility>

#include "platform/base/Types.h"

/// Base of every exception of the system; what() returns Message.
class Exception : public std::exception {
public:
  explicit Exception(String AMessage) : Message(std::move(AMessage)) {}
  const char* what() const noexcept override { return Message.c_str(); }

  String Message;
};

#define ZORVIK_DECLARE_EXCEPTION(Name, Base)        \
  class Name : public Base {                        \
  public:                                           \
    using Base::Base;                               \
  };

ZORVIK_DECLARE_EXCEPTION(EConvertError, Exception)        // bad number text, unsupported Assign
ZORVIK_DECLARE_EXCEPTION(EListError, Exception)           // list index out of bounds and friends
ZORVIK_DECLARE_EXCEPTION(EStringListError, Exception)     // string list errors (duplicates, sorted insert)
ZORVIK_DECLARE_EXCEPTION(EStreamError, Exception)         // base of the stream errors
ZORVIK_DECLARE_EXCEPTION(EFCreateError, EStreamError)     // a file stream could not create its file
ZORVIK_DECLARE_EXCEPTION(EFOpenError, EStreamError)       // a file stream could not open its file
ZORVIK_DECLARE_EXCEPTION(EReadError, EStreamError)        // a short read
ZORVIK_DECLARE_EXCEPTION(EWriteError, EStreamError)       // a short write
ZORVIK_DECLARE_EXCEPTION(EInOutError, Exception)          // file-system operation failed
ZORVIK_DECLARE_EXCEPTION(EIniFileException, Exception)    // an ini file could not be written
ZORVIK_DECLARE_EXCEPTION(EAssertionFailed, Exception)     // a failed internal check
ZORVIK_DECLARE_EXCEPTION(EThread, Exception)              // thread misuse
ZORVIK_DECLARE_EXCEPTION(EComponentError, Exception)      // component naming and ownership errors
ZORVIK_DECLARE_EXCEPTION(EOutOfResources, Exception)      // a platform resource could not be allocated
ZORVIK_DECLARE_EXCEPTION(EInvalidGraphic, Exception)      // unknown or damaged picture data
ZORVIK_DECLARE_EXCEPTION(EInvalidOperation, Exception)    // an operation the object's state forbids
ZORVIK_DECLARE_EXCEPTION(EInvalidCast, Exception)         // an object is not of the class it must be
ZORVIK_DECLARE_EXCEPTION(EResNotFound, Exception)         // the program has no resource of that name
