#include "persistence/XmlScanner.h"

#include "persistence/XmlFile.h"

#include <cstring>

namespace {

constexpr char declaration[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
constexpr uint lastBasicPlaneCharacter = 0xFFFF;
// Longer digit runs cannot be a character anyway; the bound keeps the value
// from overflowing.
constexpr int longestReference = 8;
constexpr int longestPlainInt = 9;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isXmlChar(uint code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The reference at "at" (just after its '&'), up to and past its ';'. False
// for anything but the five predefined entities and character references
// to characters of the basic plane.
bool parseReference(const char *&at, const char *end, uint &code)
{
    static const struct
    {
        const char *name;
        uint code;
    } entities[] = {{"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"quot;", '"'}, {"apos;", '\''}};
    if (at < end && *at != '#') {
        for (const auto &entity : entities) {
            const size_t length = std::strlen(entity.name);
            if (size_t(end - at) >= length && std::memcmp(at, entity.name, length) == 0) {
                at += length;
                code = entity.code;
                return true;
            }
        }
        return false;
    }
    ++at;
    const bool hex = at < end && *at == 'x';
    at += hex ? 1 : 0;
    const char *const digits = at;
    code = 0;
    for (; at < end && at - digits <= longestReference; ++at) {
        const int digit = hex ? hexDigit(*at) : (*at >= '0' && *at <= '9' ? *at - '0' : -1);
        if (digit < 0)
            break;
        code = code * (hex ? 16 : 10) + uint(digit);
    }
    if (at == digits || at == end || *at != ';' || at - digits > longestReference)
        return false;
    ++at;
    return isXmlChar(code) && code <= lastBasicPlaneCharacter;
}

// One character of strict UTF-8 starting at "at", which moves past it.
bool parseUtf8(const char *&at, const char *end, uint &code)
{
    const auto lead = uchar(*at);
    int more;
    uint least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        least = 0x80;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        least = 0x800;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        least = 0x10000;
        code = lead & 0x07;
    } else {
        return false;
    }
    if (end - at <= more)
        return false;
    for (int i = 1; i <= more; ++i) {
        const auto next = uchar(at[i]);
        if ((next & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (next & 0x3F);
    }
    at += more + 1;
    return code >= least && isXmlChar(code);
}

void appendUtf8(QByteArray &out, uint code)
{
    if (code < 0x80) {
        out.append(char(code));
    } else if (code < 0x800) {
        out.append(char(0xC0 | (code >> 6))).append(char(0x80 | (code & 0x3F)));
    } else {
        out.append(char(0xE0 | (code >> 12))).append(char(0x80 | ((code >> 6) & 0x3F))).append(char(0x80 | (code & 0x3F)));
    }
}

} // namespace

QString XmlScanner::Value::toString() const
{
    if (m_plain)
        return QString::fromLatin1(m_begin, m_size);
    // Checked when scanned: only the references need decoding.
    QByteArray bytes;
    bytes.reserve(m_size);
    const char *at = m_begin;
    const char *const end = m_begin + m_size;
    while (at < end) {
        const char *const reference = static_cast<const char *>(std::memchr(at, '&', size_t(end - at)));
        const char *const stop = reference ? reference : end;
        bytes.append(at, int(stop - at));
        at = stop;
        if (reference) {
            ++at;
            uint code = 0;
            parseReference(at, end, code);
            appendUtf8(bytes, code);
        }
    }
    return QString::fromUtf8(bytes);
}

int XmlScanner::Value::toInt() const
{
    // The usual short decimal directly; anything else as the toolkit reads it.
    const bool negative = m_size > 0 && m_begin[0] == '-';
    const int digits = m_size - (negative ? 1 : 0);
    if (m_plain && digits > 0 && digits <= longestPlainInt) {
        int value = 0;
        for (const char *at = m_begin + (negative ? 1 : 0); at < m_begin + m_size; ++at) {
            if (*at < '0' || *at > '9')
                return toString().toInt();
            value = value * 10 + (*at - '0');
        }
        return negative ? -value : value;
    }
    return toString().toInt();
}

float XmlScanner::Value::toFloat() const
{
    return toString().toFloat();
}

XmlScanner::Value XmlScanner::Attributes::attribute(const QString &name) const
{
    const size_t count = m_entries.size();
    for (size_t i = 0; i < count; ++i) {
        const size_t at = (m_next + i) % count;
        if (m_entries[at].name == name) {
            m_next = at + 1;
            return m_entries[at].value;
        }
    }
    return Value();
}

XmlScanner::XmlScanner(const QByteArray &data)
    : m_data(data), m_at(m_data.constData()), m_end(m_data.constData() + m_data.size())
{
}

bool XmlScanner::fail()
{
    m_error = true;
    m_open.clear();
    m_emptyPending = false;
    return false;
}

void XmlScanner::skipSpace()
{
    while (m_at < m_end && isSpace(*m_at))
        ++m_at;
}

bool XmlScanner::readName(QLatin1String &name)
{
    const char *const start = m_at;
    if (m_at == m_end || !isNameStart(*m_at))
        return false;
    while (m_at < m_end && isNameChar(*m_at))
        ++m_at;
    name = QLatin1String(start, int(m_at - start));
    return true;
}

bool XmlScanner::readRootElement()
{
    const size_t length = sizeof declaration - 1;
    if (m_error || size_t(m_end - m_at) < length || std::memcmp(m_at, declaration, length) != 0)
        return fail();
    m_at += length;
    skipSpace();
    if (m_at == m_end || *m_at != '<')
        return fail();
    ++m_at;
    return readStartTag();
}

bool XmlScanner::readNextStartElement()
{
    if (m_error)
        return false;
    if (m_emptyPending) {
        m_emptyPending = false;
        m_open.pop_back();
        return false;
    }
    // Between tags only white space.
    skipSpace();
    if (m_at == m_end || *m_at != '<' || m_open.empty())
        return fail();
    ++m_at;
    if (m_at < m_end && *m_at == '/') {
        ++m_at;
        readEndTag();
        return false;
    }
    return readStartTag();
}

void XmlScanner::skipCurrentElement()
{
    int depth = 1;
    while (depth > 0 && !m_error)
        depth += readNextStartElement() ? 1 : -1;
}

bool XmlScanner::readStartTag()
{
    if (!readName(m_name))
        return fail();
    m_attributes.m_entries.clear();
    m_attributes.m_next = 0;
    for (;;) {
        const char *const beforeSpace = m_at;
        skipSpace();
        if (m_at == m_end)
            return fail();
        if (*m_at == '>' || *m_at == '/')
            break;
        // Attributes are set apart by white space.
        Attributes::Entry entry;
        if (m_at == beforeSpace || !readName(entry.name))
            return fail();
        skipSpace();
        if (m_at == m_end || *m_at != '=')
            return fail();
        ++m_at;
        skipSpace();
        if (!readValue(entry.value))
            return fail();
        m_attributes.m_entries.push_back(entry);
    }
    if (hasDuplicateName() || m_open.size() >= size_t(XmlFile::maxDepth))
        return fail();
    m_open.push_back(m_name);
    if (*m_at == '/') {
        ++m_at;
        if (m_at == m_end || *m_at != '>')
            return fail();
        m_emptyPending = true;
    }
    ++m_at;
    return true;
}

bool XmlScanner::readEndTag()
{
    QLatin1String name;
    if (!readName(name) || name != m_open.back())
        return fail();
    skipSpace();
    if (m_at == m_end || *m_at != '>')
        return fail();
    ++m_at;
    m_open.pop_back();
    return true;
}

bool XmlScanner::readValue(Value &value)
{
    if (m_at == m_end || (*m_at != '"' && *m_at != '\''))
        return false;
    const char quote = *m_at++;
    value.m_begin = m_at;
    value.m_plain = true;
    // Bytes, not characters: a longer value may still be short enough for
    // the complete reader, which counts characters.
    const char *const end = m_end - m_at > XmlFile::maxAttributeLength ? m_at + XmlFile::maxAttributeLength + 1 : m_end;
    while (m_at < end && *m_at != quote) {
        const auto c = uchar(*m_at);
        uint code = 0;
        if (c == '&') {
            ++m_at;
            if (!parseReference(m_at, m_end, code))
                return false;
            value.m_plain = false;
        } else if (c >= 0x80) {
            if (!parseUtf8(m_at, m_end, code))
                return false;
            value.m_plain = false;
        } else if (c < 0x20 || c == '<') {
            // A literal tab or line break reads differently in different
            // readers; the others cannot stand in a value.
            return false;
        } else {
            ++m_at;
        }
    }
    if (m_at >= end)
        return false;
    value.m_size = int(m_at - value.m_begin);
    ++m_at;
    return true;
}

bool XmlScanner::hasDuplicateName() const
{
    // A set of hashed names first: the full comparison only on a collision.
    const auto &entries = m_attributes.m_entries;
    quint64 seen = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const QLatin1String name = entries[i].name;
        const quint64 bit = quint64(1) << ((uint(name.size()) * 7 + uint(name.back().unicode()) * 3 + uint(name.front().unicode())) % 64);
        if (seen & bit) {
            for (size_t j = 0; j < i; ++j) {
                if (entries[j].name == name)
                    return true;
            }
        }
        seen |= bit;
    }
    return false;
}

bool XmlScanner::finish()
{
    if (m_error || !m_open.empty())
        return fail();
    skipSpace();
    return m_at == m_end || fail();
}
