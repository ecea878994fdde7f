#pragma once

#include <array>
#include <string_view>

// The search catalogue: the fifteen places that the search of the start window
// tests, in the order their titles appear in the result list. Content knows no
// windows, so each row names its source control by an id; the start window
// turns the id into the live control on the page that holds it.
namespace content {

// The control whose caption is a row's source text, by window and name.
enum class Source {
    Form3_wind3,
    Form3_Brauz2,
    Form5_y1,
    Form5_y2,
    Form5_y3,
    Form5_y4,
    Form5_y5,
    Form4_Command1,
    Form4_Command2,
    Form4_Command3,
    Form4_Command4,
    Form4_Command5,
    Form4_Command6,
    Form4_Command7,
    Form4_Command8,
};

struct CatalogueRow {
    std::u16string_view title;
    Source source;
};

// The rows in catalogue order; every title differs from every other.
const std::array<CatalogueRow, 15>& catalogue();

} // namespace content
