#include "settings/StoreFile.h"

#include <QTest>

#include <random>
#include <string>

using namespace mirel;
using namespace std::string_literals;
using Entries = StoreEntries;
Q_DECLARE_METATYPE(Entries)

template <> char* QTest::toString(const Entries& entries) {
    QByteArray text;
    for (const auto& [key, value] : entries)
        text += QByteArray::fromStdString(key).toPercentEncoding("/ ") + '=' +
                QByteArray::fromStdString(value).toPercentEncoding(" ") + "; ";
    return qstrdup(text.constData());
}

namespace {

std::string bytes(const QByteArray& text) {
    return text.toStdString();
}

QByteArray text(const std::string& s) {
    return QByteArray::fromStdString(s);
}

// Values a hand-edited or damaged store may hold, each of which must come back as it was.
Entries hostileValues() {
    Entries entries;
    const std::vector<std::string> values{
        "",
        std::string(10000, 'W'),
        "\0\x01\x02\x1F\x7F"s,
        "tab\there",
        "\n",
        "\r\n",
        "line\nbreak",
        "\xFF\xFE\xC3\x28 invalid UTF-8 \xE2\x82",
        "\xE2\x80\x8F\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\xE2\x80\x8E",
        "a,b,c",
        "\"a,b\",c",
        "@Variant(\0\0\0\x09\0\0\0\x01)"s,
        "@ByteArray(ABC)",
        "@Invalid()",
        "@@",
        " leading and trailing ",
        " ",
        "\\",
        "\\x41 is not A",
        "\\n is not a newline",
        "ends in a backslash\\",
        "[Section]",
        "key=value",
        "; not a comment",
        "# nor this",
        "\xEF\xBB\xBF"
        "a BOM inside",
    };
    for (std::size_t i = 0; i < values.size(); ++i)
        entries["Settings/HighScoreName" + std::to_string(i)] = values[i];
    return entries;
}

} // namespace

class StoreFileTest : public QObject {
    Q_OBJECT

private slots:
    void hostileValuesReadBackAsWritten() {
        const Entries entries = hostileValues();
        const std::string written = formatStoreFile(entries);
        QCOMPARE(parseStoreFile(written), entries);
        // Stable: writing what was read gives the same file again.
        QCOMPARE(formatStoreFile(parseStoreFile(written)), written);
    }

    // Random keys and bytes: whatever the game writes, it reads back.
    void randomEntriesReadBackAsWritten() {
        std::mt19937 random(20240611);
        const auto below = [&](int n) { return static_cast<int>(random() % unsigned(n)); };
        const std::vector<std::string> starts{"k", ";", "#", "[", "@", "]"};
        const std::string inside = "ab019_-.: \t[]@;#=\xEF\xBB\xBF";
        for (int round = 0; round < 300; ++round) {
            Entries entries;
            for (int n = below(12); n >= 0; --n) {
                std::string key;
                for (int part = below(3); part >= 0; --part) {
                    if (!key.empty()) key += '/';
                    key += starts[static_cast<std::size_t>(below(int(starts.size())))];
                    for (int c = below(6); c > 0; --c)
                        key += inside[static_cast<std::size_t>(below(int(inside.size())))];
                    key += 'k';
                }
                if (key.find('=') != std::string::npos) continue;
                std::string value;
                for (int c = below(40); c > 0; --c)
                    value += static_cast<char>(below(256));
                entries[key] = value;
            }
            const Entries read = parseStoreFile(formatStoreFile(entries));
            if (read != entries) QFAIL(qPrintable("round " + QString::number(round)));
        }
    }

    void readsHandEditedText_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Entries>("entries");

        QTest::newRow("empty file") << QByteArray() << Entries{};
        QTest::newRow("as the game writes it")
            << QByteArray("[Settings]\nRowShifts=1\nSet=2\n")
            << Entries{{"Settings/RowShifts", "1"}, {"Settings/Set", "2"}};
        QTest::newRow("CR LF line ends and a byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Settings]\r\nSound=1\r\n")
            << Entries{{"Settings/Sound", "1"}};
        QTest::newRow("blanks around keys, values and section names")
            << QByteArray("  [ Settings ]  \n\t Mines  =  1 \t\n")
            << Entries{{"Settings/Mines", "1"}};
        QTest::newRow("notes and other lines without =")
            << QByteArray("; a note\n# another\n[Settings]\nnonsense\nSet=3\n=5\n")
            << Entries{{"Settings/Set", "3"}};
        QTest::newRow("cut off in the middle of a key")
            << QByteArray("[Settings]\nSet=3\nHighScoreNa") << Entries{{"Settings/Set", "3"}};
        QTest::newRow("cut off in the middle of a value, no line end")
            << QByteArray("[Settings]\nHighScore1=12") << Entries{{"Settings/HighScore1", "12"}};
        QTest::newRow("cut off in the middle of an escape")
            << QByteArray("[Settings]\nHighScoreName1=AB\\x4")
            << Entries{{"Settings/HighScoreName1", "AB\\x4"}};
        QTest::newRow("the last of a repeated key counts")
            << QByteArray("[Settings]\nSet=2\n[Other]\nSet=9\n[Settings]\nSet=3\n")
            << Entries{{"Settings/Set", "3"}, {"Other/Set", "9"}};
        QTest::newRow("keys before any section") << QByteArray("top=1\n[Settings]\nSet=2\n")
                                                 << Entries{{"top", "1"}, {"Settings/Set", "2"}};
        QTest::newRow("an empty section name goes back to the top")
            << QByteArray("[Settings]\n[]\nloose=1\n") << Entries{{"loose", "1"}};
        QTest::newRow("a line with = is never a section")
            << QByteArray("[Settings]\n[a=b]\nSet=2\n")
            << Entries{{"Settings/[a", "b]"}, {"Settings/Set", "2"}};
        QTest::newRow("only the first = splits") << QByteArray("[Settings]\nHighScoreName1=a=b==\n")
                                                 << Entries{{"Settings/HighScoreName1", "a=b=="}};
        QTest::newRow("quotes, commas and @ values are plain text")
            << QByteArray("[S]\na=\"x\"\nb=1,2,3\nc=@Invalid()\nd=@ByteArray(Q)\n")
            << Entries{{"S/a", "\"x\""},
                       {"S/b", "1,2,3"},
                       {"S/c", "@Invalid()"},
                       {"S/d", "@ByteArray(Q)"}};
        QTest::newRow("escapes, and backslashes that are none")
            << QByteArray("[S]\na=\\\\\\n\\r\\t\\x41\\x7e\nb=C:\\games\\x\\xZZ\\\n")
            << Entries{{"S/a", "\\\n\r\tA~"}, {"S/b", "C:\\games\\x\\xZZ\\"}};
        QTest::newRow("raw control bytes and NUL are kept") << QByteArray("[S]\na=\x01\0\x7F"
                                                                          "b\n",
                                                                          11)
                                                            << Entries{{"S/a",
                                                                        {"\x01\0\x7F"
                                                                         "b",
                                                                         4}}};
        QTest::newRow("a bare CR inside a value is kept")
            << QByteArray("[S]\na=x\ry\n") << Entries{{"S/a", "x\ry"}};
        QTest::newRow("slashes nest groups, empty parts dropped")
            << QByteArray("[ a / b ]\n c//d/ =1\n[/]\n/e/=2\n")
            << Entries{{"a/b/c/d", "1"}, {"e", "2"}};
        QTest::newRow("binary junk")
            << QByteArray("\x00\xFF\n[\n]\n=\n\xFF=\xFE\n", 13) << Entries{{"\xFF", "\xFE"}};
    }
    void readsHandEditedText() {
        QFETCH(QByteArray, file);
        QFETCH(Entries, entries);
        QCOMPARE(parseStoreFile(bytes(file)), entries);
    }

    void writesSectionsOnceAndEscapesOnlyWhereNeeded() {
        const Entries entries{{"Settings/Set", "2"},
                              {"Settings/HighScoreName1", " A\\B\n"},
                              {"Other/x", "y"},
                              {"top", "z"}};
        QCOMPARE(text(formatStoreFile(entries)),
                 QByteArray("top=z\n\n[Other]\nx=y\n\n[Settings]\n"
                            "HighScoreName1=\\x20A\\\\B\\n\nSet=2\n"));
    }
};

QTEST_APPLESS_MAIN(StoreFileTest)
#include "StoreFileTest.moc"
