// Every shape has a drawing source under the name its picture file is built
// from, lettered with the dimensions the shape reads.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "section_catalogue.h"

using namespace torvel::sections;

namespace {

std::string readSource(std::string_view picture) {
    std::string stem(picture.substr(0, picture.rfind('.')));
    std::ifstream in(std::string(TORVEL_SECTION_DRAWINGS) + "/" + stem + ".svg");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool lettered(const std::string& svg, const std::string& letter) {
    return svg.find(">" + letter + "</text>") != std::string::npos;
}

}  // namespace

TEST(SectionDrawings, OnePerShapeWithItsDimensions) {
    for (auto name : shapeNames()) {
        const Shape shape = *shapeFromName(name);
        const std::string svg = readSource(pictureFile(shape));
        ASSERT_FALSE(svg.empty()) << pictureFile(shape);
        const ShapeView v = shapeView(shape);
        EXPECT_EQ(lettered(svg, "a"), v.a) << name;
        EXPECT_EQ(lettered(svg, "b"), v.b) << name;
        EXPECT_EQ(lettered(svg, "c"), v.c) << name;
        EXPECT_EQ(lettered(svg, "d"), v.d) << name;
        EXPECT_TRUE(lettered(svg, "y") && lettered(svg, "z")) << name << ": axes";
        // yG is drawn where the window shows it, from the edge it is measured from.
        const bool yG = svg.find(">y<tspan font-size=\"11\">G</tspan>") != std::string::npos;
        EXPECT_EQ(yG, v.yG) << name;
    }
}
