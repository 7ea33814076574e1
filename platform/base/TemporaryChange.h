#pragma once
// Giving a variable a value for the length of a scope.
#include <utility>

/// Sets a variable to a value and puts its old value back when the scope ends, however it ends.
template <class T> class TemporaryChange {
public:
  TemporaryChange(T& Variable, T Value) : FVariable(Variable), FOldValue(std::exchange(Variable, std::move(Value))) {}
  ~TemporaryChange() { FVariable = std::move(FOldValue); }
  TemporaryChange(const TemporaryChange&) = delete;
  TemporaryChange& operator=(const TemporaryChange&) = delete;

  const T& OldValue() const { return FOldValue; }

private:
  T& FVariable;
  T FOldValue;
};
