// The time of the substring test that the search runs on every source text,
// without windows, beside Qt's own QStringView::indexOf on the same texts: the
// longest topic text (905 code units) against typical queries, runs of blanks
// against the topic texts, and texts and queries of one repeated unit, where a
// search that steps back in the text does the most work. Each figure is the
// median, over many rounds, of the mean time of one search within a round.
//
// usage: vorsilan-search [ROUNDS]

#include "content/topics.h"
#include "forms/text.h"

#include <QElapsedTimer>
#include <QStringView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::u16string searched;
    std::u16string sought;
};

// Keeps the compiler from dropping searches whose results go unused.
volatile std::size_t sink = 0;

std::size_t qtIndexOf(std::u16string_view searched, std::u16string_view sought)
{
    const QStringView text(searched.data(), qsizetype(searched.size()));
    return std::size_t(text.indexOf(QStringView(sought.data(), qsizetype(sought.size())), 0, Qt::CaseSensitive) + 1);
}

template<class Search>
double nanosecondsPerSearch(const Case& c, int rounds, Search search)
{
    // Enough searches in a round that reading the clock does not count.
    constexpr int perRound = 50;
    std::vector<double> times;
    times.reserve(std::size_t(rounds));
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < perRound; ++i)
            sink = sink + search(c.searched, c.sought);
        times.push_back(double(timer.nsecsElapsed()) / perRound);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1001;
    const std::u16string longest = content::caption(content::mailListTopic);
    const std::u16string windows = content::caption(content::windowsTopic);
    const std::u16string browser = content::caption(content::browserTopic);
    const std::vector<Case> cases {
        { "\"Ctrl+S\" in the longest topic", longest, u"Ctrl+S" },
        { "\"Delete\" in the longest topic", longest, u"Delete" },
        { "143 blanks in the Windows topic", windows, std::u16string(143, u' ') },
        { "x + 142 blanks in the Windows topic", windows, u'x' + std::u16string(142, u' ') },
        { "158 blanks in the browser topic", browser, std::u16string(158, u' ') },
        { "453 blanks in 905", std::u16string(905, u' '), std::u16string(453, u' ') },
        { "453 blanks in 452 + x + 452", std::u16string(452, u' ') + u'x' + std::u16string(452, u' '),
            std::u16string(453, u' ') },
        { "452 blanks + x in 904 + x", std::u16string(904, u' ') + u'x', std::u16string(452, u' ') + u'x' },
        { "452 a + b in 905 a", std::u16string(905, u'a'), std::u16string(452, u'a') + u'b' },
        { "b + 452 a in 905 a", std::u16string(905, u'a'), u'b' + std::u16string(452, u'a') },
    };
    std::printf("the longest topic: %zu code units; median of %d rounds, ns per search\n", longest.size(), rounds);
    std::printf("%-38s %10s %22s\n", "", "inStr", "QStringView::indexOf");
    for (const Case& c : cases) {
        const auto inStr
            = [](std::u16string_view searched, std::u16string_view sought) { return forms::inStr(searched, sought); };
        if (inStr(c.searched, c.sought) != qtIndexOf(c.searched, c.sought)) {
            std::fprintf(stderr, "vorsilan-search: the two searches disagree on %s\n", c.name);
            return 1;
        }
        std::printf("%-38s %10.0f %22.0f\n", c.name, nanosecondsPerSearch(c, rounds, inStr),
            nanosecondsPerSearch(c, rounds, qtIndexOf));
    }
    return 0;
}
