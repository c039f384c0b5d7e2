// Draws the program's icon as SVG: a little landscape cut into a 3 x 3 puzzle, two pieces out of
// place (one of them mirrored), the rest framed as solved. The build renders every PNG size from
// this one drawing.
//   MakeIcon OUT.svg

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int IconSize = 64;
constexpr int Cells = 3;
constexpr int Margin = 2;
constexpr int CellSize = (IconSize - 2 * Margin) / Cells;
constexpr double Side = CellSize * Cells;

// A point of the landscape given as fractions of its side.
std::string at(double x, double y)
{
    std::ostringstream text;
    text << x * Side << ',' << y * Side;
    return text.str();
}

std::string landscape()
{
    std::ostringstream svg;
    svg << "<linearGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"0\""
        << " y2=\"" << Side << "\">"
        << "<stop offset=\"0\" stop-color=\"#285ac8\"/>"
        << "<stop offset=\"0.6\" stop-color=\"#faaa5a\"/></linearGradient>\n"
        << "<radialGradient id=\"sun\" gradientUnits=\"userSpaceOnUse\" cx=\"" << 0.68 * Side
        << "\" cy=\"" << 0.36 * Side << "\" r=\"" << 0.16 * Side << "\">"
        << "<stop offset=\"0\" stop-color=\"#fffac8\"/>"
        << "<stop offset=\"1\" stop-color=\"#ffc83c\"/></radialGradient>\n"
        << "<g id=\"landscape\">\n"
        << "<rect width=\"" << Side << "\" height=\"" << Side << "\" fill=\"url(#sky)\"/>\n"
        << "<circle cx=\"" << 0.68 * Side << "\" cy=\"" << 0.36 * Side << "\" r=\"" << 0.14 * Side
        << "\" fill=\"url(#sun)\"/>\n"
        << "<path fill=\"#468250\" d=\"M" << at(0, 0.62) << " C" << at(0.25, 0.42) << ' '
        << at(0.45, 0.70) << ' ' << at(0.7, 0.55) << " C" << at(0.85, 0.47) << ' ' << at(0.95, 0.55)
        << ' ' << at(1, 0.5) << " L" << at(1, 1) << " L" << at(0, 1) << " Z\"/>\n"
        << "<path fill=\"#286432\" d=\"M" << at(0, 0.8) << " C" << at(0.3, 0.65) << ' '
        << at(0.6, 0.9) << ' ' << at(1, 0.72) << " L" << at(1, 1) << " L" << at(0, 1) << " Z\"/>\n"
        << "</g>\n";
    return svg.str();
}

struct TSource
{
    int Column, Row;
    bool Mirrored;
};

// Where each cell's piece comes from: two pieces swapped, one of them mirrored.
TSource sourceOf(int column, int row)
{
    if (column == 2 && row == 0)
        return {1, 2, true};
    if (column == 1 && row == 2)
        return {2, 0, false};
    return {column, row, false};
}

std::string piece(int column, int row)
{
    const TSource source = sourceOf(column, row);
    const bool home = source.Column == column && source.Row == row && !source.Mirrored;
    std::ostringstream svg;
    svg << "<g transform=\"translate(" << Margin + column * CellSize << ' '
        << Margin + row * CellSize << ")\">"
        << "<g clip-path=\"url(#cell)\"><use xlink:href=\"#landscape\" transform=\"";
    if (source.Mirrored)
        svg << "translate(" << CellSize << " 0) scale(-1 1) ";
    svg << "translate(" << -source.Column * CellSize << ' ' << -source.Row * CellSize << ")\"/></g>"
        << "<rect x=\"0.5\" y=\"0.5\" width=\"" << CellSize - 1 << "\" height=\"" << CellSize - 1
        << "\" fill=\"none\" stroke-width=\"1\" stroke=\"" << (home ? "#ffdc00" : "#141414")
        << "\"/></g>\n";
    return svg.str();
}

std::string icon()
{
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
        << " width=\"" << IconSize << "\" height=\"" << IconSize << "\" viewBox=\"0 0 " << IconSize
        << ' ' << IconSize << "\">\n"
        << "<title>Mosavo</title>\n<defs>\n"
        << landscape() << "<clipPath id=\"cell\"><rect width=\"" << CellSize << "\" height=\""
        << CellSize << "\"/></clipPath>\n</defs>\n"
        << "<rect width=\"" << IconSize << "\" height=\"" << IconSize
        << "\" rx=\"6\" fill=\"#1e1e28\"/>\n";
    for (int row = 0; row < Cells; ++row)
        for (int column = 0; column < Cells; ++column)
            svg << piece(column, row);
    svg << "</svg>\n";
    return svg.str();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.svg\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << icon();
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
