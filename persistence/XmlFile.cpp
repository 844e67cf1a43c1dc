#include "persistence/XmlFile.h"

#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace XmlFile {

namespace {

bool failed(QString *why, const QString &reason)
{
    qDebug("Error: Cannot write file");
    qDebug().noquote() << reason;
    if (why)
        *why = reason;
    return false;
}

} // namespace

bool write(const QString &path, const QByteArray &data, Access access, QString *why)
{
    // A private file is never written through a link: the saving file would
    // follow it and replace whatever it points at.
    if (access == Access::OwnerOnly && PrivateFiles::isSymlink(path)) {
        return failed(why, PrivateFiles::symlinkReason());
    }
    // A private file's folder (the data folder) is made by its first write,
    // with all its parents: nothing that only reads creates it.
    if (access == Access::OwnerOnly)
        PrivateFiles::makeFolder(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(why, file.errorString());
    // Before any byte is written: the state file holds passwords.
    if (access == Access::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(why, reason);
    }
    // The explicit flush matters: Qt 5's commit() does not notice a failure
    // of its own final flush (a full disk) and renames a truncated file over
    // the target.
    errno = 0;
    if (file.write(data) != data.size() || !file.flush() || !file.commit()) {
        // Read before cancelWriting(), which replaces it. A write cut short
        // by the system (a full disk, a file size limit) leaves Qt's text
        // at "Unknown error", and the reason in errno.
        const int error = errno;
        QString reason = file.errorString();
        if (error != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error")))
            reason = qt_error_string(error);
        file.cancelWriting();
        return failed(why, reason);
    }
    return true;
}

namespace {

QString tooLarge(qint64 limit)
{
    return QCoreApplication::translate("XmlFile", "larger than %1 MB").arg(limit / (1024 * 1024));
}

QString notXml(const QString &message, qint64 line, qint64 column)
{
    return QCoreApplication::translate("XmlFile", "not an XML file: %1 (line %2, column %3)")
        .arg(message)
        .arg(line)
        .arg(column);
}

QString tooDeep()
{
    return QCoreApplication::translate("XmlFile", "nested deeper than %1 levels").arg(maxDepth);
}

QString tooLong()
{
    return QCoreApplication::translate("XmlFile", "an attribute longer than %1 characters").arg(maxAttributeLength);
}

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || uchar(c) >= 0x80;
}

// The limits counted on the bytes, for a document QXmlStreamReader refuses
// but a DOM reader may still take (a control character reference written
// by an older version, a repeated attribute, an undeclared entity). Without a
// document type no entity can bring markup, so the tags in the bytes are all
// the nesting there is, and no value holds more characters than bytes. A
// document type, or a NUL (UTF-16 or UTF-32, whose tags a byte scan cannot
// see), is refused outright with the stream reader's reason.
QString byteLimitsReason(const QByteArray &data, const QString &streamReason)
{
    if (data.contains('\0') || data.contains("<!DOCTYPE") || data.contains("<!ENTITY"))
        return streamReason;
    const auto skipPast = [&data](int from, const char *end) {
        const int at = data.indexOf(end, from);
        return at < 0 ? data.size() : at + int(qstrlen(end));
    };
    const auto opens = [&data](int at, const char *text) {
        const int length = int(qstrlen(text));
        return at + length <= data.size() && std::memcmp(data.constData() + at, text, size_t(length)) == 0;
    };
    int depth = 0;
    int at = data.indexOf('<');
    while (at >= 0 && at + 1 < data.size()) {
        const char next = data.at(at + 1);
        int after;
        if (opens(at, "<!--")) {
            after = skipPast(at + 4, "-->");
        } else if (opens(at, "<![CDATA[")) {
            after = skipPast(at + 9, "]]>");
        } else if (next == '?') {
            after = skipPast(at + 2, "?>");
        } else if (next == '/') {
            --depth;
            after = skipPast(at + 2, ">");
        } else if (isNameStart(next)) {
            char quote = 0;
            int valueStart = 0;
            for (after = at + 1; after < data.size(); ++after) {
                const char c = data.at(after);
                if (quote == 0 && c == '>')
                    break;
                if (quote == 0 && (c == '"' || c == '\'')) {
                    quote = c;
                    valueStart = after + 1;
                } else if (c == quote) {
                    quote = 0;
                    if (after - valueStart > maxAttributeLength)
                        return tooLong();
                }
            }
            if (after < data.size() && data.at(after - 1) != '/' && ++depth > maxDepth)
                return tooDeep();
            ++after;
        } else {
            after = at + 1;
        }
        at = data.indexOf('<', after);
    }
    return QString();
}

} // namespace

bool withinLimits(const QByteArray &data, qint64 sizeLimit, QString *why)
{
    QString reason;
    if (data.size() > sizeLimit) {
        reason = tooLarge(sizeLimit);
    } else {
        QXmlStreamReader xml(data);
        xml.setNamespaceProcessing(false);
        int depth = 0;
        while (reason.isEmpty() && !xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                --depth;
            } else if (token == QXmlStreamReader::StartElement) {
                if (++depth > maxDepth)
                    reason = tooDeep();
                const QXmlStreamAttributes attributes = xml.attributes();
                for (const QXmlStreamAttribute &attribute : attributes) {
                    if (reason.isEmpty() && attribute.value().size() > maxAttributeLength)
                        reason = tooLong();
                }
            }
        }
        if (reason.isEmpty() && xml.hasError())
            reason = byteLimitsReason(data, notXml(xml.errorString(), xml.lineNumber(), xml.columnNumber()));
    }
    if (why && !reason.isEmpty())
        *why = reason;
    return reason.isEmpty();
}

QDomElement parse(const QByteArray &data, QDomDocument &document, QString *why, qint64 sizeLimit)
{
    if (!withinLimits(data, sizeLimit, why))
        return QDomElement();
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(data, false, &message, &line, &column)) {
        if (why)
            *why = notXml(message, line, column);
        return QDomElement();
    }
    const QDomElement root = document.firstChildElement();
    if (root.isNull() && why)
        *why = QCoreApplication::translate("XmlFile", "the XML file holds no element");
    return root;
}

bool readData(const QString &path, QByteArray &data, QString *why, qint64 limit)
{
    QString reason;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.exists() ? file.errorString() : QCoreApplication::translate("XmlFile", "no such file");
    } else if (file.size() > limit) {
        reason = tooLarge(limit);
    } else {
        // The size can change between the check and the read.
        data = file.read(limit + 1);
        if (data.size() > limit)
            reason = tooLarge(limit);
        else if (file.error() != QFileDevice::NoError)
            reason = file.errorString();
    }
    if (why)
        *why = reason;
    return reason.isEmpty();
}

} // namespace XmlFile
