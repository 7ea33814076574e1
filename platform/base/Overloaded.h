#pragma once
// A visitor made of several lambdas, for std::visit over a variant: each alternative goes to the lambda
// that takes it.

/// Inherits the call operators of every Ts, so overload resolution picks the lambda for each alternative.
template <class... Ts> struct Overloaded : Ts... {
  using Ts::operator()...;
};

// Spelled out for compilers that do not yet deduce aggregate template arguments.
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
