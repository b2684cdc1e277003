#pragma once
// The pages of a document to print: all of them, or the pages from..to.

namespace tarnik {

// The pages to print: all, or from..to (1-based, inclusive; from > to selects none).
struct PrintRange {
    bool allPages = true;
    int from = 1;
    int to = 1;

    static PrintRange all() { return {}; }
    static PrintRange pages(int from, int to) { return {false, from, to}; }
    bool includes(int page) const { return allPages || (from <= page && page <= to); }
};

} // namespace tarnik
