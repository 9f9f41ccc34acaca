#include "note_pdf.h"

#include <QBuffer>
#include <QFileDevice>
#include <QFont>
#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <vector>

namespace torvel {

namespace {

// Device units are QPdfWriter's own 1200 dpi; sizes below are given in
// points and millimetres.
constexpr int kDpi = 1200;
constexpr double pt(double points) { return points * kDpi / 72.0; }
constexpr double mm(double millimetres) { return millimetres * kDpi / 25.4; }

// A4 portrait and its margins.
constexpr double kPageWidth = mm(210);
constexpr double kPageHeight = mm(297);
constexpr double kLeft = mm(20);
constexpr double kWidth = kPageWidth - 2 * kLeft;
constexpr double kTop = mm(14);
constexpr double kBottom = kPageHeight - mm(16);

// The title block at the top of every page: the title row, then as many rows
// of filled fields as they need, and the gap to the body.
constexpr double kTitleRow = pt(44);
constexpr double kInfoRow = pt(17);
constexpr double kBodyGap = pt(16);

// The three columns of a row: caption, value (right-aligned), unit.
constexpr double kCaptionWidth = kWidth * 0.54;
constexpr double kValueLeft = kWidth * 0.56;
constexpr double kValueRight = kWidth * 0.80;
constexpr double kUnitLeft = kWidth * 0.82;
constexpr double kRowPad = pt(2.5);

// A drawing never takes more than this height, so it stays beside its text.
constexpr double kDrawingMaxHeight = mm(120);

QString text(const std::string& s) { return QString::fromStdString(s); }

QFont noteFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Metrics as the outlines give them, so what is measured is what prints.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPen rule(double points, int grey = 0) {
    QPen pen(QColor(grey, grey, grey));
    pen.setWidthF(pt(points));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Breaks `s` into lines no wider than `width`: at spaces where it can, inside
// a word longer than the line, and at every line feed.
QStringList wrap(const QString& s, const QFont& font, double width, QPaintDevice* device) {
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QString flat = s;
    flat.replace(QLatin1Char('\t'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    for (const QString& paragraph : flat.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, device);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    if (lines.isEmpty()) lines << QString();
    return lines;
}

// A piece of the flow that never splits across pages: one line of text (across
// the columns of a row), a heading, the drawing. Painted from its top edge.
struct Slice {
    double height;
    std::function<void(QPainter&, double top)> paint;
};

// What pagination moves as a whole when it fits on a page.
struct Block {
    std::vector<Slice> slices;
    double spaceBefore = 0;
    bool keepWithNext = false;  // headings go with what follows them

    double height() const {
        double h = 0;
        for (const auto& s : slices) h += s.height;
        return h;
    }
};

// Lays the note's content out as blocks, measured on the PDF device.
class Flow {
  public:
    explicit Flow(QPaintDevice* device) : device_(device) {}

    void section(const QString& title) {
        const QFont font = noteFont(13, true);
        const QFontMetricsF fm(font, device_);
        const double h = fm.lineSpacing() + pt(4);
        blocks_.push_back({{{h,
                             [=](QPainter& p, double top) {
                                 p.setFont(font);
                                 p.setPen(rule(0));
                                 p.drawText(QPointF(kLeft, top + fm.ascent()), title);
                                 p.setPen(rule(0.8));
                                 p.drawLine(QPointF(kLeft, top + h - pt(1)),
                                            QPointF(kLeft + kWidth, top + h - pt(1)));
                             }}},
                           pt(16),
                           true});
    }

    void group(const QString& title) {
        Block block =
            lines(wrap(title, noteFont(10.5, true), kWidth, device_), noteFont(10.5, true), 0);
        block.slices.back().height += pt(2);
        block.spaceBefore = pt(9);
        block.keepWithNext = true;
        blocks_.push_back(std::move(block));
    }

    void row(const NoteRow& r) {
        const QFont font = noteFont(10);
        const QFontMetricsF fm(font, device_);
        const QStringList caption = wrap(text(r.caption), font, kCaptionWidth, device_);
        const QStringList value = wrap(text(r.value), font, kValueRight - kValueLeft, device_);
        const QStringList unit = wrap(text(r.unit), font, kWidth - kUnitLeft, device_);
        const qsizetype n = std::max({caption.size(), value.size(), unit.size()});
        Block block;
        for (qsizetype i = 0; i < n; ++i) {
            const bool first = i == 0, last = i == n - 1;
            const double pad = first ? kRowPad : 0;
            const double h = fm.lineSpacing() + pad + (last ? kRowPad : 0);
            const QString c = caption.value(i), v = value.value(i), u = unit.value(i);
            block.slices.push_back(
                {h, [=](QPainter& p, double top) {
                     const double base = top + pad + fm.ascent();
                     p.setFont(font);
                     p.setPen(rule(0));
                     p.drawText(QPointF(kLeft, base), c);
                     p.drawText(QPointF(kLeft + kValueRight - fm.horizontalAdvance(v), base), v);
                     p.drawText(QPointF(kLeft + kUnitLeft, base), u);
                     if (!last) return;
                     p.setPen(rule(0.3, 170));
                     p.drawLine(QPointF(kLeft, top + h), QPointF(kLeft + kWidth, top + h));
                 }});
        }
        blocks_.push_back(std::move(block));
    }

    // A paragraph; a bulleted one hangs its lines behind the bullet.
    void paragraph(const QString& s, bool bulleted = false) {
        const QFont font = noteFont(10);
        const double indent = bulleted ? pt(12) : 0;
        Block block = lines(wrap(s, font, kWidth - indent, device_), font, indent);
        if (bulleted) {
            auto paintFirst = block.slices.front().paint;
            const double ascent = QFontMetricsF(font, device_).ascent();
            block.slices.front().paint = [=](QPainter& p, double top) {
                paintFirst(p, top);
                p.drawText(QPointF(kLeft + pt(2), top + ascent), QStringLiteral("•"));
            };
        }
        block.spaceBefore = pt(4);
        blocks_.push_back(std::move(block));
    }

    void drawing(const NoteDrawing& d) {
        // Without a usable size the drawing gets the whole width at 4:3.
        const bool sized = std::isfinite(d.size.width()) && std::isfinite(d.size.height()) &&
                           d.size.width() > 0 && d.size.height() > 0;
        const double aspect = sized ? d.size.height() / d.size.width() : 0.75;
        double w = kWidth, h = kWidth * aspect;
        if (h > kDrawingMaxHeight) {
            h = kDrawingMaxHeight;
            w = h / aspect;
        }
        const QRectF target(kLeft + (kWidth - w) / 2, 0, w, h);
        auto paint = d.paint;
        Block block;
        block.slices.push_back({h + pt(8), [=](QPainter& p, double top) {
                                    p.save();
                                    const QRectF at = target.translated(0, top + pt(8));
                                    // No clip here: a widget painting through this painter
                                    // that clips and restores a part of its own drawing would
                                    // get this clip back under its own transform, and lose
                                    // every label and point drawn after. A drawing that sets
                                    // no pen or font gets thin black lines and the note's
                                    // lettering.
                                    p.setPen(rule(0.5));
                                    p.setBrush(Qt::NoBrush);
                                    p.setFont(noteFont(9));
                                    paint(p, at);
                                    p.restore();
                                }});
        block.spaceBefore = pt(4);
        blocks_.push_back(std::move(block));
    }

    using Slice = torvel::Slice;
    void block(std::vector<Slice> slices, double spaceBefore) {
        blocks_.push_back({std::move(slices), spaceBefore, false});
    }

    const std::vector<Block>& blocks() const { return blocks_; }

  private:
    Block lines(const QStringList& texts, const QFont& font, double indent) {
        const QFontMetricsF fm(font, device_);
        Block block;
        for (const QString& line : texts)
            block.slices.push_back({fm.lineSpacing(), [=](QPainter& p, double top) {
                                        p.setFont(font);
                                        p.setPen(rule(0));
                                        p.drawText(QPointF(kLeft + indent, top + fm.ascent()),
                                                   line);
                                    }});
        return block;
    }

    QPaintDevice* device_;
    std::vector<Block> blocks_;
};

// The box that ends the note: who made it, who checked it, who approved it,
// each with a name when known, a date and room to sign.
void addSignOff(Flow& flow, const CalcNote& note, QPaintDevice* device);

struct Placed {
    const Slice* slice;
    double top;
};
using Pages = std::vector<std::vector<Placed>>;

// Puts the blocks on pages: a block that fits on a page is not split, a
// heading starts a new page rather than end one, and only a block taller than
// a page breaks between its lines.
Pages paginate(const std::vector<Block>& blocks, double bodyTop) {
    const double room = kBottom - bodyTop;
    const auto together = [&](const Block& b) {
        return b.height() <= room ? b.height() : b.slices.front().height;
    };
    Pages pages(1);
    double y = bodyTop;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& block = blocks[i];
        if (block.slices.empty()) continue;
        double need = together(block);
        for (std::size_t j = i; blocks[j].keepWithNext && j + 1 < blocks.size(); ++j)
            if (!blocks[j + 1].slices.empty())
                need += blocks[j + 1].spaceBefore + together(blocks[j + 1]);
        double gap = pages.back().empty() ? 0 : block.spaceBefore;
        if (!pages.back().empty() && y + gap + need > kBottom && need <= room) {
            pages.emplace_back();
            y = bodyTop;
            gap = 0;
        }
        y += gap;
        for (const Slice& slice : block.slices) {
            if (!pages.back().empty() && y + slice.height > kBottom) {
                pages.emplace_back();
                y = bodyTop;
            }
            pages.back().push_back({&slice, y});
            y += slice.height;
        }
    }
    return pages;
}

// The office's logo, drawn fitted into a box; none when its bytes are not a
// PNG or SVG Qt can read.
struct Logo {
    QSizeF size;
    std::function<void(QPainter&, const QRectF&)> paint;
};

Logo readLogo(const std::string& bytes) {
    if (bytes.empty()) return {};
    const QByteArray data = QByteArray::fromStdString(bytes);
    if (data.contains("<svg")) {
        auto svg = std::make_shared<QSvgRenderer>(data);
        if (!svg->isValid() || svg->defaultSize().isEmpty()) return {};
        return {svg->defaultSize(), [svg](QPainter& p, const QRectF& r) { svg->render(&p, r); }};
    }
    QImage image;
    if (!image.loadFromData(data) || image.isNull()) return {};
    return {image.size(), [image](QPainter& p, const QRectF& r) { p.drawImage(r, image); }};
}

QRectF fitted(const QSizeF& size, const QRectF& box) {
    const QSizeF shown = size.scaled(box.size(), Qt::KeepAspectRatio);
    return {box.left(), box.top() + (box.height() - shown.height()) / 2, shown.width(),
            shown.height()};
}

// The title block as it lies on every page: the cells of its filled fields,
// row by row, each "caption : value"; the page cell is the last one.
struct TitleBlock {
    struct Cell {
        QString caption, value;
        double left, width;
        int row;
    };
    QString company;
    Logo logo;
    std::vector<Cell> cells;
    int rows = 0;
    double height() const { return kTitleRow + rows * kInfoRow; }
    double bodyTop() const { return kTop + height() + kBodyGap; }
};

QString pageText(int page, int pages) {
    return QStringLiteral("page %1 / %2").arg(page).arg(pages);
}

// Fields left empty take no room; the cells of a row share its width in
// proportion to their texts. `pageDigits` sizes the page cell.
TitleBlock layTitleBlock(const CalcNote& note, QPaintDevice* device, int pageDigits) {
    TitleBlock block;
    block.company = text(note.company).trimmed();
    block.logo = readLogo(note.logo);
    const QFontMetricsF fm(noteFont(9), device);
    const double pad = pt(5);
    const QString file =
        note.fileName.empty() ? QStringLiteral("étude non enregistrée") : text(note.fileName);
    const std::pair<QString, std::string> fields[] = {
        {QStringLiteral("Affaire"), note.project},
        {QStringLiteral("Référence"), note.reference},
        {QStringLiteral("Indice"), note.revision},
        {QStringLiteral("Auteur"), note.author},
        {QStringLiteral("Vérifié par"), note.checker},
    };
    std::vector<TitleBlock::Cell> cells;
    for (const auto& [caption, value] : fields)
        if (!text(value).trimmed().isEmpty())
            cells.push_back({caption, text(value).trimmed(), 0, 0, 0});
    cells.push_back({QStringLiteral("Fichier"), file, 0, 0, 0});
    const QString widest = QString(pageDigits, QLatin1Char('9'));
    cells.push_back({QString(), QStringLiteral("page %1 / %1").arg(widest), 0, 0, 0});

    auto natural = [&](const TitleBlock::Cell& c) {
        const QString shown =
            c.caption.isEmpty() ? c.value : c.caption + QStringLiteral(" : ") + c.value;
        return std::min(kWidth, fm.horizontalAdvance(shown) + 2 * pad + pt(2));
    };
    // Greedy rows, then each row stretched to the whole width.
    std::vector<std::vector<std::size_t>> rows(1);
    double used = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double w = natural(cells[i]);
        if (!rows.back().empty() && used + w > kWidth) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(i);
        used += w;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double total = 0;
        for (std::size_t i : rows[r]) total += natural(cells[i]);
        double left = kLeft;
        for (std::size_t i : rows[r]) {
            TitleBlock::Cell& c = cells[i];
            c.width = natural(c) * kWidth / total;
            c.left = left;
            c.row = static_cast<int>(r);
            left += c.width;
        }
    }
    block.cells = std::move(cells);
    block.rows = static_cast<int>(rows.size());
    return block;
}

void paintTitleBlock(QPainter& p, const CalcNote& note, const TitleBlock& block, int page,
                     int pages) {
    const QRectF frame(kLeft, kTop, kWidth, block.height());
    const double pad = pt(5);
    const QFont title = noteFont(15, true), name = noteFont(11), small = noteFont(9),
                office = noteFont(10, true);
    const QFontMetricsF fmTitle(title, p.device()), fmName(name, p.device()),
        fmSmall(small, p.device()), fmOffice(office, p.device());
    const auto put = [&](const QFont& font, const QFontMetricsF& fm, const QString& s, double left,
                         double right, double baseline, bool alignRight) {
        const QString shown = fm.elidedText(s, Qt::ElideRight, right - left - 2 * pad);
        const double x = alignRight ? right - pad - fm.horizontalAdvance(shown) : left + pad;
        p.setFont(font);
        p.drawText(QPointF(x, baseline), shown);
    };

    p.setPen(rule(0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.setPen(rule(0.4));
    const double infoTop = kTop + kTitleRow;
    const double split = kLeft + kWidth * 0.68;
    // The office's cell, when it has a name or a logo, comes first.
    const bool hasOffice = !block.company.isEmpty() || block.logo.paint;
    const double officeRight = hasOffice ? kLeft + kWidth * 0.30 : kLeft;
    p.drawLine(QPointF(kLeft, infoTop), QPointF(kLeft + kWidth, infoTop));
    p.drawLine(QPointF(split, kTop), QPointF(split, infoTop));
    if (hasOffice) p.drawLine(QPointF(officeRight, kTop), QPointF(officeRight, infoTop));
    for (int r = 1; r < block.rows; ++r)
        p.drawLine(QPointF(kLeft, infoTop + r * kInfoRow),
                   QPointF(kLeft + kWidth, infoTop + r * kInfoRow));
    for (const TitleBlock::Cell& c : block.cells)
        if (c.left > kLeft + 1)
            p.drawLine(QPointF(c.left, infoTop + c.row * kInfoRow),
                       QPointF(c.left, infoTop + (c.row + 1) * kInfoRow));

    p.setPen(rule(0));
    if (hasOffice) {
        QRectF room(kLeft + pad, kTop + pad, officeRight - kLeft - 2 * pad, kTitleRow - 2 * pad);
        if (!block.company.isEmpty()) {
            const double base = room.bottom() - fmOffice.descent();
            put(office, fmOffice, block.company, kLeft, officeRight,
                block.logo.paint ? base : kTop + (kTitleRow + fmOffice.ascent()) / 2, false);
            room.setBottom(room.bottom() - fmOffice.height() - pt(1));
        }
        if (block.logo.paint && room.height() > 0) {
            p.save();
            p.setClipRect(room);
            block.logo.paint(p, fitted(block.logo.size, room));
            p.restore();
        }
    }
    const double line1 = kTop + pt(5) + fmTitle.ascent();
    const double line2 = line1 + pt(18);
    put(title, fmTitle, QStringLiteral("Note de calcul"), officeRight, split, line1, false);
    put(name, fmName, text(note.studyName), officeRight, split, line2, false);
    const double right = kLeft + kWidth;
    put(small, fmSmall, QStringLiteral("TORVEL ") + text(note.version), split, right, line1, true);
    put(small, fmSmall, text(note.dateTime), split, right, line2, true);

    for (const TitleBlock::Cell& c : block.cells) {
        const double top = infoTop + c.row * kInfoRow;
        const double base = top + (kInfoRow + fmSmall.ascent() - fmSmall.descent()) / 2;
        if (c.caption.isEmpty())
            put(small, fmSmall, pageText(page, pages), c.left, c.left + c.width, base, true);
        else
            put(small, fmSmall, c.caption + QStringLiteral(" : ") + c.value, c.left,
                c.left + c.width, base, false);
    }
}

void addSignOff(Flow& flow, const CalcNote& note, QPaintDevice* device) {
    const QFont bold = noteFont(9.5, true), plain = noteFont(9.5);
    const QFontMetricsF fm(plain, device);
    const double line = fm.lineSpacing() + pt(5);
    const double room = mm(18);
    const double height = 3 * line + room;
    const QString names[3] = {text(note.author).trimmed(), text(note.checker).trimmed(), {}};
    const QString dates[3] = {text(note.date), {}, {}};
    const QString titles[3] = {QStringLiteral("Établi par"), QStringLiteral("Vérifié par"),
                               QStringLiteral("Approuvé par")};
    Flow::Slice slice{
        height + pt(2), [=](QPainter& p, double top) {
            const double column = kWidth / 3, pad = pt(5);
            p.setPen(rule(0.8));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(kLeft, top, kWidth, height));
            p.setPen(rule(0.4));
            p.drawLine(QPointF(kLeft, top + line), QPointF(kLeft + kWidth, top + line));
            for (int i = 1; i < 3; ++i)
                p.drawLine(QPointF(kLeft + i * column, top),
                           QPointF(kLeft + i * column, top + height));
            p.setPen(rule(0));
            for (int i = 0; i < 3; ++i) {
                const double left = kLeft + i * column + pad, width = column - 2 * pad;
                const double base = top + (line + fm.ascent() - fm.descent()) / 2;
                p.setFont(bold);
                p.drawText(QPointF(left, base), titles[i]);
                p.setFont(plain);
                p.drawText(
                    QPointF(left, base + line),
                    fm.elidedText(QStringLiteral("Nom : ") + names[i], Qt::ElideRight, width));
                p.drawText(QPointF(left, base + 2 * line), QStringLiteral("Date : ") + dates[i]);
                p.drawText(QPointF(left, base + 3 * line), QStringLiteral("Visa :"));
            }
        }};
    flow.block({slice}, pt(16));
}

void addGroups(Flow& flow, const std::vector<NoteGroup>& groups, const QString& none) {
    if (groups.empty()) flow.paragraph(none);
    for (const auto& g : groups) {
        flow.group(text(g.title));
        for (const auto& r : g.rows) flow.row(r);
    }
}

QString documentTitle(const CalcNote& note) {
    QString title = QStringLiteral("Note de calcul – ") + text(note.studyName);
    if (!note.reference.empty()) title += QStringLiteral(" – ") + text(note.reference);
    return title;
}

// QPdfWriter has no subject: the description goes into the XMP packet, which
// then has to carry the title and the creator too.
QByteArray xmpMetadata(const QString& title, const QString& creator, const QString& subject) {
    const QString alt =
        QStringLiteral("<rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt>");
    const QString packet = QStringLiteral(
        "<?xpacket begin=\"%1\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
        "  xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
        "<dc:format>application/pdf</dc:format>\n"
        "<dc:title>%2</dc:title>\n"
        "<dc:description>%3</dc:description>\n"
        "<xmp:CreatorTool>%4</xmp:CreatorTool>\n"
        "</rdf:Description>\n"
        "</rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end=\"w\"?>");
    return packet.arg(QChar(0xFEFF))
        .arg(alt.arg(title.toHtmlEscaped()), alt.arg(subject.toHtmlEscaped()),
             creator.toHtmlEscaped())
        .toUtf8();
}

// Qt 6.4 writes the attachment's name as a Latin-1 string without escaping it:
// a parenthesis or a backslash would break the file, and what Latin-1 lacks
// would come out as "?". Brackets stand in for parentheses, "_" for the rest.
QString attachmentFileName(const QString& name) {
    QString safe;
    for (const QChar c : name) {
        if (c == QLatin1Char('('))
            safe += QLatin1Char('[');
        else if (c == QLatin1Char(')'))
            safe += QLatin1Char(']');
        else if (c == QLatin1Char('\\') || c.unicode() > 0xFF || !c.isPrint())
            safe += QLatin1Char('_');
        else
            safe += c;
    }
    return safe;
}

}  // namespace

bool writeNotePdf(QIODevice* device, const CalcNote& note, const NoteDrawing& drawing,
                  const QString& attachmentName, const QByteArray& attachment) {
    if (!device || !device->isWritable()) return false;
    // Written in memory first: QPdfWriter does not report a failing device.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        const QString title = documentTitle(note);
        const QString creator = QStringLiteral("TORVEL ") + text(note.version);
        writer.setTitle(title);
        writer.setCreator(creator);
        writer.setDocumentXmpMetadata(
            xmpMetadata(title, creator, QStringLiteral("Note de calcul TORVEL")));
        if (!attachmentName.isEmpty())
            writer.addFileAttachment(attachmentFileName(attachmentName), attachment,
                                     QStringLiteral("application/x-torvel-etude"));

        // Laid out whole before painting, for the page count in every title block.
        Flow flow(&writer);
        flow.section(QStringLiteral("Données"));
        addGroups(flow, note.data, QStringLiteral("Aucune donnée"));
        flow.section(QStringLiteral("Méthode"));
        if (note.method.empty()) flow.paragraph(QStringLiteral("Non précisée"));
        for (const auto& line : note.method) flow.paragraph(text(line));
        flow.section(QStringLiteral("Résultats"));
        addGroups(flow, note.results, QStringLiteral("Aucun résultat"));
        if (drawing.paint) {
            flow.section(QStringLiteral("Schéma"));
            flow.drawing(drawing);
        }
        flow.section(QStringLiteral("Messages"));
        if (note.messages.empty()) flow.paragraph(QStringLiteral("Aucun"));
        for (const auto& message : note.messages) flow.paragraph(text(message), true);
        addSignOff(flow, note, &writer);
        // The page cell is sized for the page count, which the title block's
        // height may change: laid out again until the count fits.
        TitleBlock block;
        Pages pages;
        for (int digits = 1; digits <= 6; ++digits) {
            block = layTitleBlock(note, &writer, digits);
            pages = paginate(flow.blocks(), block.bodyTop());
            if (QString::number(pages.size()).size() <= digits) break;
        }

        QPainter painter;
        if (!painter.begin(&writer)) return false;
        painter.setRenderHint(QPainter::Antialiasing);
        const int count = static_cast<int>(pages.size());
        for (int i = 0; i < count; ++i) {
            if (i > 0) writer.newPage();
            paintTitleBlock(painter, note, block, i + 1, count);
            for (const Placed& placed : pages[static_cast<std::size_t>(i)])
                placed.slice->paint(painter, placed.top);
        }
        if (!painter.end()) return false;
    }
    if (device->write(pdf) != pdf.size()) return false;
    if (auto* file = qobject_cast<QFileDevice*>(device)) return file->flush();
    return true;
}

}  // namespace torvel
