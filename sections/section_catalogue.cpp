#include "section_catalogue.h"

namespace torvel::sections {

namespace {

struct Entry {
    Shape shape;
    std::string_view name;
    std::string_view picture;
    ShapeView view;
};

// Columns of the view: a, b, c, d, yG, zG, yBending.
// clang-format off
constexpr std::array<Entry, 12> kCatalogue{{
    {Shape::RectanglePlein, "Rectangle Plein", "Rectangle-Plein.bmp",
     {true, true, false, false, false, false, true}},
    {Shape::RectangleCreux, "Rectangle Creux", "Rectangle-Creux.bmp",
     {true, true, true, true, false, false, true}},
    {Shape::CylindrePlein, "Cylindre Plein", "Cylindre-Plein.bmp",
     {true, false, false, false, false, false, true}},
    {Shape::CylindreCreux, "Cylindre Creux", "Cylindre-Creux.bmp",
     {true, true, false, false, false, false, true}},
    {Shape::TriangleBase, "Triangle Base", "Triangle-Base.bmp",
     {true, true, false, false, true, false, true}},
    {Shape::TriangleCentre, "Triangle Centre", "Triangle-Centre.bmp",
     {true, true, false, false, true, false, true}},
    {Shape::HexagoneRegulier, "Hexagone Regulier", "Hexagone-Regulier.bmp",
     {true, true, false, false, false, false, true}},
    {Shape::Trapeze, "Trapèze", "Trapeze.bmp", {true, true, true, false, true, false, false}},
    {Shape::Ellipse, "Ellipse", "Ellipse.bmp", {true, true, false, false, false, false, true}},
    {Shape::ProfileL, "Profilé L", "Profile-L.bmp", {true, true, true, false, true, true, true}},
    {Shape::ProfileT, "Profilé T", "Profile-T.bmp", {true, true, true, false, true, false, true}},
    {Shape::ProfileU, "Profilé U", "Profile-U.bmp", {true, true, true, true, true, false, true}},
}};
// clang-format on

const Entry& entry(Shape shape) {
    for (const auto& e : kCatalogue)
        if (e.shape == shape) return e;
    return kCatalogue.front();  // unreachable: every enumerator is in the table
}

}  // namespace

const std::array<std::string_view, 12>& shapeNames() {
    static const std::array<std::string_view, 12> names = [] {
        std::array<std::string_view, 12> out{};
        for (size_t i = 0; i < kCatalogue.size(); ++i) out[i] = kCatalogue[i].name;
        return out;
    }();
    return names;
}

std::optional<Shape> shapeFromName(std::string_view name) {
    for (const auto& e : kCatalogue)
        if (e.name == name) return e.shape;
    return std::nullopt;
}

std::string_view shapeName(Shape shape) { return entry(shape).name; }
std::string_view pictureFile(Shape shape) { return entry(shape).picture; }
ShapeView shapeView(Shape shape) { return entry(shape).view; }

std::optional<ShapeLayout> shapeLayout(std::string_view name) {
    const auto shape = shapeFromName(name);
    if (!shape) return std::nullopt;
    const ShapeView v = shapeView(*shape);
    ShapeLayout layout;
    layout.picture = std::string(pictureFile(*shape));
    auto pair = [&layout](const char* field, const char* label, bool shown) {
        layout.visible.emplace_back(field, shown);
        layout.visible.emplace_back(label, shown);
    };
    pair("Texta", "Labela", v.a);
    pair("Textb", "Labelb", v.b);
    pair("Textc", "Labelc", v.c);
    pair("Textd", "Labeld", v.d);
    layout.visible.emplace_back("Frame3", v.yG);
    pair("TextyG", "LabelyG", v.yG);
    pair("TextzG", "LabelzG", v.zG);
    pair("TextS", "LabelS", true);
    layout.visible.emplace_back("Frame5", v.yBending);
    pair("TextIG", "LabelIG", v.yBending);
    pair("TextIGy", "LabelIGy", v.yBending);
    pair("TextIGz", "LabelIGz", true);
    pair("TextIGyv", "LabelIGyv", v.yBending);
    pair("TextIGzv", "LabelIGzv", true);
    pair("Textry", "Labelry", v.yBending);
    pair("Textrz", "Labelrz", true);
    return layout;
}

}  // namespace torvel::sections
