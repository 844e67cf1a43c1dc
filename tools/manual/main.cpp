// zentick-manualpdf: turns the Markdown user manual into the PDF that Help
// opens, with the toolkit's own text layout (no other tool needed).
//
//     zentick-manualpdf INPUT.md OUTPUT.pdf
//
// The PDF's title is the manual's first line. Exit status 1 when the input
// cannot be read or the output cannot be written; the build then fails.

#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

constexpr char bodyFamily[] = "DejaVu Sans";
constexpr char codeFamily[] = "DejaVu Sans Mono";
constexpr qreal bodyPointSize = 10.5;
constexpr qreal headingSpaceAbove = 14;
constexpr qreal paragraphSpaceBelow = 5;
constexpr qreal codeIndent = 12;
const QColor headingColor(0x1f, 0x4e, 0x79);
const QColor codeBackground(0xf0, 0xf2, 0xf4);

bool isCode(const QTextBlock &block)
{
    return block.blockFormat().hasProperty(QTextFormat::BlockCodeLanguage);
}

// Markdown import leaves every paragraph without spacing and every heading
// in the body colour, takes the code font from the platform (on the
// offscreen platform a proportional one) and ends a code block with an
// empty line. This gives the page some air, the headings a colour and code
// a fixed-pitch font on a tinted ground.
void style(QTextDocument &document)
{
    QTextCursor cursor(&document);
    QTextCharFormat code;
    code.setFontFamily(QString::fromLatin1(codeFamily));
    QTextCharFormat heading;
    heading.setForeground(headingColor);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setBottomMargin(paragraphSpaceBelow);
        if (format.headingLevel() > 0) {
            format.setTopMargin(headingSpaceAbove);
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(heading);
        } else if (isCode(block)) {
            format.setBackground(codeBackground);
            format.setLeftMargin(codeIndent);
            format.setBottomMargin(isCode(block.next()) ? 0 : paragraphSpaceBelow);
        }
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            // Code spans are the only text the import gives a font family.
            if (isCode(block) || fragment.fragment().charFormat().hasProperty(QTextFormat::FontFamily)) {
                cursor.setPosition(fragment.fragment().position());
                cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(), QTextCursor::KeepAnchor);
                cursor.mergeCharFormat(code);
            }
        }
    }
    QList<int> emptyLastLines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (isCode(block) && block.text().isEmpty() && !isCode(block.next()))
            emptyLastLines.prepend(block.position());
    }
    for (int position : emptyLastLines) {
        cursor.setPosition(position - 1);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

bool render(const QString &inputPath, const QString &outputPath)
{
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zentick-manualpdf: cannot read %s\n", qPrintable(inputPath));
        return false;
    }
    QTextDocument document;
    QFont body(QString::fromLatin1(bodyFamily));
    body.setPointSizeF(bodyPointSize);
    document.setDefaultFont(body);
    document.setMarkdown(QString::fromUtf8(input.readAll()), QTextDocument::MarkdownDialectGitHub);
    style(document);

    // Through a temporary file: an interrupted build leaves no half a manual.
    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "zentick-manualpdf: cannot write %s\n", qPrintable(outputPath));
        return false;
    }
    {
        QPdfWriter writer(&output);
        writer.setPageSize(QPageSize(QPageSize::A4));
        // QTextDocument::print adds margins and page numbers of its own.
        writer.setPageMargins(QMarginsF());
        writer.setTitle(document.firstBlock().text());
        writer.setCreator(QStringLiteral("zentick-manualpdf"));
        document.print(&writer);
    }
    if (!output.commit()) {
        std::fprintf(stderr, "zentick-manualpdf: cannot write %s\n", qPrintable(outputPath));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application, a display does not.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: zentick-manualpdf INPUT.md OUTPUT.pdf\n");
        return 2;
    }
    return render(arguments.at(1), arguments.at(2)) ? 0 : 1;
}
