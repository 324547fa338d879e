// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "report/report_building.h"
#include "storage/damaged_file.h"
#include "storage/object_reader.h"
#include "storage/object_writer.h"
#include "storage/record_coding.h"

using namespace maprune;
using namespace std::string_literals;

namespace {

// Writes records by hand, the way a damaged or foreign file may hold them.
struct Bytes {
    ByteWriter out;
    Bytes& Name(const std::string& name)
    {
        PutShortString(out, name);
        return *this;
    }
    Bytes& Int(const std::string& name, int32_t value)
    {
        Name(name);
        out.PutI32(value);
        return *this;
    }
    Bytes& Text(const std::string& name, const std::string& value)
    {
        Name(name);
        PutLongString(out, value);
        return *this;
    }
    Bytes& Raw(const std::string& bytes)
    {
        out.PutBytes(bytes);
        return *this;
    }
    Bytes& I32(int32_t value)
    {
        out.PutI32(value);
        return *this;
    }
    Bytes& End()
    {
        out.PutU8(0);
        return *this;
    }
    // The record of class `cls` with these bytes as payload.
    std::string As(const std::string& cls) const
    {
        ByteWriter record;
        PutShortString(record, cls);
        record.PutI32(static_cast<int32_t>(out.Size()));
        record.PutBytes(out.Bytes());
        return record.Take();
    }
    // The same without the class name, as CreateFromStream takes it.
    std::string Body() const
    {
        ByteWriter record;
        record.PutI32(static_cast<int32_t>(out.Size()));
        record.PutBytes(out.Bytes());
        return record.Take();
    }
};

std::unique_ptr<TReportItem> Read(const ClassInfo& cls, const std::string& body, TReport* owner,
                                  ObjectReadOptions options = {})
{
    ByteReader in(body);
    return CreateFromStream(cls, in, owner, options);
}

std::string BodyOf(const TReportItem& item)
{
    const std::string record = RecordOf(item);
    return record.substr(1 + item.ClassName().size());
}

template <class T>
std::unique_ptr<T> RoundTrip(const T& item, TReport* owner)
{
    return std::unique_ptr<T>(
        static_cast<T*>(Read(item.Class(), BodyOf(item), owner).release()));
}

// The failure message of reading `body` as a report.
std::string ReportFailure(const std::string& body, ObjectReadOptions options = {})
{
    try {
        Read(TReport::StaticClass(), body, nullptr, options);
    } catch (const Error& e) {
        return e.what();
    }
    return "read without failure";
}

} // namespace

TEST(ObjectReader, RoundTripKeepsEveryStoredValueAndOrder)
{
    TestTerrains terrains;
    auto report = SampleReport();
    auto copy = RoundTrip(*report, nullptr);
    ExpectSameStoredContent(*report, *copy);
    EXPECT_EQ(copy->Owner(), copy.get());
    EXPECT_EQ(copy->RefCount(), report->RefCount()) << "every object owned by the new report";
    EXPECT_EQ((*copy->Regions)[0]->Tag() & TagSelected, TagSelected);
    EXPECT_EQ(copy->FileVersion, 59);
}

TEST(ObjectReader, AbsentValuesReadBackAsDefaultsAndEmptyObjects)
{
    TestTerrains terrains;
    auto report = CreateEmpty<TReport>(nullptr);
    auto unit = CreateEmpty<TUnit>(report.get());
    auto copy = RoundTrip(*unit, report.get());
    EXPECT_EQ(copy->Nr, -1);
    EXPECT_EQ(copy->Building, -1);
    EXPECT_EQ(copy->Turn, -1);
    EXPECT_EQ(copy->HitPoints, "gesund");
    EXPECT_EQ(copy->Commands->Count(), 0);
    EXPECT_TRUE(copy->Items->Entries.empty());
    EXPECT_EQ(copy->Count->HistoryCount(), 0);

    auto region = CreateEmpty<TRegion>(report.get());
    auto regionCopy = RoundTrip(*region, report.get());
    EXPECT_EQ(regionCopy->Units->Count(), 0u);
    EXPECT_EQ(regionCopy->Surrounding->Count(), 0);
    EXPECT_EQ(regionCopy->InfoDate, -1);

    auto empty = CreateEmpty<TReport>(nullptr);
    empty->Version = 34;
    auto emptyCopy = RoundTrip(*empty, nullptr);
    EXPECT_EQ(emptyCopy->Version, 37) << "34 is the declared default and is not written";
    EXPECT_EQ(emptyCopy->Regions->Count(), 0u);
}

TEST(ObjectReader, CompletesRegionsAfterReading)
{
    TestTerrains terrains;
    auto report = CreateEmpty<TReport>(nullptr);
    auto region = CreateEmpty<TRegion>(report.get());
    region->Terrain = "Ebene";
    region->FullInfoDate = 9;
    region->Silver->AddValue(9, 1999);
    region->Peasants->AddValue(9, 400);
    auto copy = RoundTrip(*region, report.get());
    EXPECT_EQ(copy->Bitmap_, 5);
    ASSERT_NE(copy->TerrainType, nullptr);
    EXPECT_EQ(copy->TerrainType->Singular, "Ebene");
    EXPECT_EQ(copy->Entertainment, 99);
    EXPECT_EQ(copy->Recrutees, 20);
    for (const THistoryInteger* h :
        { &*copy->Horses, &*copy->Street, &*copy->Trees, &*copy->Laen, &*copy->Iron }) {
        ASSERT_EQ(h->HistoryCount(), 1);
        EXPECT_EQ(h->GetHistoryDate(0), 9);
        EXPECT_EQ(h->GetHistoryValue(0), 0);
    }
    EXPECT_EQ(copy->Peasants->CurrentValue(), 400) << "a value read stays";
    EXPECT_EQ(copy->Wages->HistoryCount(), 0) << "wages are not filled in";

    region->Terrain = "Berge";
    region->FullInfoDate = 0;
    region->Silver->SetHistory({});
    copy = RoundTrip(*region, report.get());
    EXPECT_EQ(copy->Bitmap_, 7);
    EXPECT_EQ(copy->Entertainment, -1);
    EXPECT_EQ(copy->Horses->HistoryCount(), 0) << "no complete description, nothing filled in";

    region->FullInfoDate = 4;
    copy = RoundTrip(*region, report.get());
    EXPECT_EQ(copy->Iron->HistoryCount(), 0) << "mountains can hold iron: unknown, not 0";
    EXPECT_EQ(copy->Laen->HistoryCount(), 0);
    EXPECT_EQ(copy->Trees->HistoryCount(), 1);
}

TEST(ObjectReader, Version56StoresHistoriesAsBareCurrentValues)
{
    TestTerrains terrains;
    const std::string unit = Bytes().Int("Nr", 8).Int("Count", 3).Int("Silver", -1).End().As("TUnit");
    const std::string units = Bytes().End().I32(1).Raw(unit).As("TUnitList");
    const std::string neverDescribed
        = Bytes().Int("CX", 1).Text("Terrain", "Ebene").Int("Peasants", 500).Raw("\x05Units").Raw(units).End().As("TRegion");
    const std::string described
        = Bytes().Int("FullInfoDate", 6).Text("Terrain", "Ebene").Int("Peasants", 700).End().As("TRegion");
    const std::string regions
        = Bytes().End().I32(2).Raw(neverDescribed).Raw(described).As("TRegionList");
    const std::string party = Bytes().Int("Turn", 7).Int("Nr", 1).Text("Type_", "Elfen").Int("Points", 90).End().As("TParty");
    const std::string parties = Bytes().End().I32(1).Raw(party).As("TPartyList");
    const std::string body
        = Bytes().I32(56).Int("Turn", 7).Raw("\x07Parties").Raw(parties).Raw("\x07Regions").Raw(regions).End().Body();

    auto item = Read(TReport::StaticClass(), body, nullptr);
    const auto& report = static_cast<const TReport&>(*item);
    EXPECT_EQ(report.FileVersion, 56);
    const TRegion& first = *(*report.Regions)[0];
    ASSERT_EQ(first.Peasants->HistoryCount(), 1);
    EXPECT_EQ(first.Peasants->GetHistoryDate(0), 1) << "FullInfoDate 0 counts as turn 1";
    EXPECT_EQ(first.Peasants->GetHistoryValue(0), 500);
    const TRegion& second = *(*report.Regions)[1];
    EXPECT_EQ(second.Peasants->GetHistoryDate(0), 6);
    EXPECT_EQ(second.Peasants->GetHistoryValue(0), 700);
    EXPECT_EQ(second.Recrutees, 35);
    const TUnit& u = *(*first.Units)[0];
    ASSERT_EQ(u.Count->HistoryCount(), 1);
    EXPECT_EQ(u.Count->GetHistoryDate(0), 7) << "the report's turn for other objects";
    EXPECT_EQ(u.Silver->HistoryCount(), 0) << "-1 adds nothing";
    const TParty& p = *(*report.Parties)[0];
    EXPECT_EQ(p.Points->GetHistoryDate(0), 7);
}

TEST(ObjectReader, ARecordReplacesWhatItsPropertyHeld)
{
    auto report = CreateEmpty<TReport>(nullptr);
    // A summary starts with four lines of -1; a Data record without text
    // gives an empty text, as a new object would.
    const std::string noText = Bytes().Int("Turn", 4).End().As("TLines");
    auto politic = Read(TPoliticInfo::StaticClass(), Bytes().Raw("\x04" "Data").Raw(noText).End().Body(),
                        report.get());
    EXPECT_EQ(static_cast<TPoliticInfo&>(*politic).Data->Count(), 0);
    EXPECT_EQ(static_cast<TPoliticInfo&>(*politic).Data->Turn, 4);

    // A property given twice holds the second record only.
    const std::string one = Bytes().Int("Nr", 1).End().As("TSpell");
    const std::string two = Bytes().Int("Nr", 2).End().As("TSpell");
    const std::string first = Bytes().End().I32(1).Raw(one).As("TSpells");
    const std::string second = Bytes().End().I32(1).Raw(two).As("TSpells");
    auto item = Read(TReport::StaticClass(),
                     Bytes().I32(57).Raw("\x06Spells").Raw(first).Raw("\x06Spells").Raw(second).End().Body(),
                     nullptr);
    const auto& read = static_cast<const TReport&>(*item);
    ASSERT_EQ(read.Spells->Count(), 1u);
    EXPECT_EQ((*read.Spells)[0]->Nr, 2);
}

TEST(ObjectReader, RefusesVersionsOutside56To59)
{
    const std::string message = "Die zu ladende KDF-Datei (Version %d) ist mit den von dieser "
                                "Maprune-Version unterstützten KDF-Formaten (Versionen 56 bis 59) "
                                "inkompatibel!";
    for (int32_t v : {55, 60}) {
        std::string expected = message;
        expected.replace(expected.find("%d"), 2, std::to_string(v));
        EXPECT_EQ(ReportFailure(Bytes().I32(v).End().Body()), expected);
    }
    for (int32_t v : {56, 57, 58, 59})
        EXPECT_EQ(ReportFailure(Bytes().I32(v).End().Body()), "read without failure");
}

TEST(ObjectReader, ResolvesClassNamesIgnoringCase)
{
    auto report = CreateEmpty<TReport>(nullptr);
    const std::string lines = Bytes().Text("Text", "x\r\n").End().As("tlines");
    auto unit = Read(TUnit::StaticClass(), Bytes().Raw("\x08" "Commands").Raw(lines).End().Body(),
                     report.get());
    EXPECT_EQ(static_cast<TUnit&>(*unit).Commands->Text(), "x\r\n");
}

TEST(ObjectReader, RefusesUnknownClassesAndProperties)
{
    const std::string foreign = Bytes().End().As("TFoo");
    const std::string list = Bytes().End().I32(1).Raw(foreign).As("TSpells");
    EXPECT_EQ(ReportFailure(Bytes().I32(57).Raw("\x06Spells").Raw(list).End().Body()),
              "Klasse TFoo nicht gefunden");

    const std::string unit = Bytes().Int("Nr", 1).Int("Strength", 9).End().As("TUnit");
    const std::string units = Bytes().End().I32(1).Raw(unit).As("TUnitList");
    const std::string region = Bytes().Raw("\x05Units").Raw(units).End().As("TRegion");
    const std::string regions = Bytes().End().I32(1).Raw(region).As("TRegionList");
    EXPECT_EQ(ReportFailure(Bytes().I32(57).Raw("\x07Regions").Raw(regions).End().Body()),
              "Klasse TUnit: Eigenschaft Strength nicht gefunden");
    EXPECT_EQ(ReportFailure(Bytes().I32(57).Int("turn", 3).End().Body()),
              "Klasse TReport: Eigenschaft turn nicht gefunden")
        << "property names are compared exactly";
}

TEST(ObjectReader, RefusesRecordsOfClassesThatDoNotFitTheirPlace)
{
    auto report = CreateEmpty<TReport>(nullptr);
    const int32_t references = report->RefCount();
    const std::string region = Bytes().End().As("TRegion");
    const std::string units = Bytes().End().I32(1).Raw(region).As("TUnitList");
    try {
        Read(TRegion::StaticClass(), Bytes().Raw("\x05Units").Raw(units).End().Body(), report.get());
        FAIL() << "a region read into a unit list";
    } catch (const DamagedFileError& e) {
        EXPECT_STREQ(e.what(), "Die KDF-Datei ist beschädigt: TUnitList enthält ein Objekt der "
                               "Klasse TRegion statt TUnit.");
    }
    try {
        Read(TRegion::StaticClass(), Bytes().Raw("\x06" "Events").Raw(region).End().Body(),
             report.get());
        FAIL() << "a region read into a text";
    } catch (const DamagedFileError& e) {
        EXPECT_STREQ(e.what(), "Die KDF-Datei ist beschädigt: TRegion.Events enthält ein Objekt "
                               "der Klasse TRegion statt TLines.");
    }
    EXPECT_EQ(report->RefCount(), references) << "nothing of the failed reads is left";
}

TEST(ObjectReader, ChecksCountsAndLengthsAgainstTheRecord)
{
    const auto spells = [](const std::string& payload) {
        return Bytes().I32(57).Raw("\x06Spells").Raw(payload).End().Body();
    };
    // A list that announces more elements than bytes follow.
    EXPECT_EQ(ReportFailure(spells(Bytes().End().I32(1000000).As("TSpells"))),
              "Die KDF-Datei ist beschädigt: TSpells kündigt 1000000 Einträge an, es folgen aber "
              "nur 0 Bytes.");
    EXPECT_NE(ReportFailure(spells(Bytes().End().I32(-1).As("TSpells"))).find("beschädigt"),
              std::string::npos);
    // A history with 2^31-1 entries and a price table of 2^28 entries.
    const std::string history = Bytes().End().I32(0x7FFFFFFF).As("THistoryInteger");
    const std::string party = Bytes().Raw("\x06Points").Raw(history).End().As("TParty");
    EXPECT_NE(ReportFailure(Bytes().I32(57).Raw("\x07Parties").Raw(Bytes().End().I32(1).Raw(party).As("TPartyList")).End().Body())
                  .find("THistoryInteger kündigt 2147483647 Einträge an"),
              std::string::npos);
    // A record longer than its enclosing one, a text longer than its record.
    std::string overlong = Bytes().End().As("TSpells");
    overlong[8] = '\x7F';
    EXPECT_NE(ReportFailure(spells(overlong)).find("ein TSpells-Datensatz kündigt"),
              std::string::npos);
    EXPECT_EQ(ReportFailure(Bytes().I32(57).Name("Config").I32(0x40000000).Raw("abc").End().Body()),
              "Die KDF-Datei ist beschädigt: ein Wert reicht über das Ende seines Datensatzes "
              "hinaus.");
    // Bytes left over after the tail.
    EXPECT_EQ(ReportFailure(spells(Bytes().End().I32(0).Raw("xy").As("TSpells"))),
              "Die KDF-Datei ist beschädigt: ein TSpells-Datensatz enthält 2 überzählige Bytes.");
}

TEST(ObjectReader, LimitsTheNestingDepth)
{
    TestTerrains terrains;
    auto report = SampleReport();
    const std::string body = BodyOf(*report);
    ObjectReadOptions shallow;
    shallow.MaxNesting = 4;
    EXPECT_EQ(ReportFailure(body, shallow),
              "Die KDF-Datei ist beschädigt: Objekte sind tiefer als 4 Ebenen verschachtelt.");
    shallow.MaxNesting = 6;
    EXPECT_EQ(ReportFailure(body, shallow), "read without failure") << "the model needs 6 levels";
}

TEST(ObjectReader, ReportsProgressAfterListElements)
{
    TestTerrains terrains;
    auto report = SampleReport();
    const std::string body = BodyOf(*report);
    std::vector<size_t> seen;
    ObjectReadOptions options;
    options.Progress = [&seen](size_t done) { seen.push_back(done); };
    Read(TReport::StaticClass(), body, nullptr, options);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_LE(seen.back(), body.size());
}

namespace {

// The objects that reading `item`'s record keeps, by their ObjectWeight. The
// empty histories that a record stores and the reader leaves unmade count
// too, but each brings a record of its own.
size_t ObjectsRead(const TReportItem& item, TReport& owner)
{
    auto copy = Read(item.Class(), BodyOf(item), &owner);
    return test::CountObjects(*copy, ObjectWeight);
}

std::string PartyWithPoints(const std::string& history)
{
    const std::string party = Bytes().Int("Nr", 1).Raw("\x06Points").Raw(history).End().As("TParty");
    return Bytes().I32(57).Raw("\x07Parties").Raw(Bytes().End().I32(1).Raw(party).As("TPartyList")).End().Body();
}

} // namespace

TEST(ObjectReader, RecordsOfTheWriterTakeAtLeastTheBytesAllowedPerObject)
{
    TestTerrains terrains;
    auto report = CreateEmpty<TReport>(nullptr);
    std::vector<std::unique_ptr<TReportItem>> empty;
    for (const ClassInfo* cls :
         {&TUnit::StaticClass(), &TShip::StaticClass(), &TBuilding::StaticClass(),
          &TParty::StaticClass(), &TAlly::StaticClass(), &TSpell::StaticClass(),
          &TPotion::StaticClass(), &TPoliticInfo::StaticClass(), &THistoryInteger::StaticClass(),
          &TLines::StaticClass(), &TNamedItem::StaticClass(), &TReportItem::StaticClass()})
        empty.push_back(CreateEmpty(*cls, report.get()));
    // A water region leaves most histories out of its record.
    for (const char* terrain : {"", "Ebene", "Berge", "Ozean"}) {
        auto region = CreateEmpty<TRegion>(report.get());
        region->Terrain = terrain;
        empty.push_back(std::move(region));
    }
    for (const auto& item : empty) {
        const size_t bytes = RecordOf(*item).size();
        const size_t objects = ObjectsRead(*item, *report);
        EXPECT_GE(bytes, kMinBytesPerObject * objects)
            << item->ClassName() << ": " << objects << " objects in " << bytes << " bytes";
    }
    auto emptyReport = CreateEmpty<TReport>(nullptr);
    EXPECT_LE(static_cast<size_t>(emptyReport->RefCount()), kObjectAllowance);
    auto sample = SampleReport();
    EXPECT_GE(RecordOf(*sample).size(), kMinBytesPerObject * test::CountObjects(*sample, ObjectWeight));
}

TEST(ObjectReader, RefusesRecordsThatCreateMoreObjectsThanTheirBytesCanDescribe)
{
    TestTerrains terrains;
    // Empty region records of 13 bytes, each making a region of over 400
    // bytes.
    const std::string region = Bytes().End().As("TRegion");
    Bytes regions;
    regions.End().I32(4000);
    for (int i = 0; i < 4000; ++i)
        regions.Raw(region);
    const std::string body = Bytes().I32(57).Raw("\x07Regions").Raw(regions.As("TRegionList")).End().Body();
    const std::string failure = ReportFailure(body);
    EXPECT_EQ(failure.rfind("Die KDF-Datei ist beschädigt: ihre Datensätze legen mehr Objekte an, als ", 0),
              0u)
        << failure;

    auto report = CreateEmpty<TReport>(nullptr);
    const int32_t references = report->RefCount();
    EXPECT_THROW(Read(TRegionList::StaticClass(), regions.Body(), report.get()), DamagedFileError);
    EXPECT_EQ(report->RefCount(), references) << "nothing of the failed read is left";

    // The same number of regions as the writer stores them is read.
    auto many = CreateEmpty<TReport>(nullptr);
    for (int i = 0; i < 4000; ++i)
        AddTo(*many->Regions).CX = i;
    EXPECT_EQ(ReportFailure(BodyOf(*many)), "read without failure");
}

TEST(ObjectReader, RefusesMoreObjectsThanTheAbsoluteLimit)
{
    TestTerrains terrains;
    auto report = SampleReport();
    const std::string body = BodyOf(*report);
    // Reading creates a few objects more than the report keeps: records that
    // replace what initialisation put in place.
    const auto objects = static_cast<size_t>(report->RefCount());
    ObjectReadOptions options;
    options.MaxObjects = objects / 2;
    EXPECT_EQ(ReportFailure(body, options),
              "Die KDF-Datei enthält mehr als " + std::to_string(objects / 2)
                  + " Objekte; so große Datenbanken kann diese Maprune-Version nicht laden.");
    options.MaxObjects = 2 * objects;
    EXPECT_EQ(ReportFailure(body, options), "read without failure");
}

TEST(ObjectReader, RefusesHistoriesWhoseTurnsAreNotStrictlyDescending)
{
    const auto history = [](std::vector<std::pair<int32_t, int32_t>> entries) {
        Bytes tail;
        tail.End().I32(static_cast<int32_t>(entries.size()));
        for (const auto& [turn, value] : entries)
            tail.I32(turn).I32(value);
        return PartyWithPoints(tail.As("THistoryInteger"));
    };
    EXPECT_EQ(ReportFailure(history({{12, 350}, {11, 300}, {3, 10}})), "read without failure");
    EXPECT_EQ(ReportFailure(history({{11, 300}, {12, 350}})),
              "Die KDF-Datei ist beschädigt: die Runden eines THistoryInteger sind nicht "
              "absteigend geordnet (Runde 12 nach Runde 11).");
    EXPECT_EQ(ReportFailure(history({{12, 350}, {12, 300}})),
              "Die KDF-Datei ist beschädigt: ein THistoryInteger enthält die Runde 12 zweimal.");
    EXPECT_EQ(ReportFailure(history({{12, 350}, {0, 300}})),
              "Die KDF-Datei ist beschädigt: ein THistoryInteger enthält die Runde 0 (Runden "
              "beginnen bei 1).");
    EXPECT_EQ(ReportFailure(history({{-4, 350}})),
              "Die KDF-Datei ist beschädigt: ein THistoryInteger enthält die Runde -4 (Runden "
              "beginnen bei 1).");
}
