#pragma once

#include <functional>
#include <string>
#include <vector>

// Drives the program through its own buttons and its credits letter, as a
// user would, for the benchmarks. A runtime with the start window shown must
// exist.
namespace bench {

// One handler of the program: how to bring the program to where its control
// can be used (not measured), and the use itself (measured).
struct Handler {
    std::string name;
    std::function<void()> prepare;
    std::function<void()> run;
};

// Every handler of the five windows but the exit label's; the search twice,
// for "+" (every row matches) and for a query that matches nothing.
std::vector<Handler> everyHandler();

// A round of twenty steps through every window and nearly every handler,
// one step a move, that ends where it began, on the start window.
std::vector<std::function<void()>> round();

// Lets the windows paint and deletes what waits for deletion.
void settle();

} // namespace bench
