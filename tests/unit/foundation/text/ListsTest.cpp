#include "foundation/text/FCIdString.h"
#include "foundation/text/FCNList.h"
#include "foundation/text/FCRange.h"
#include "foundation/text/FCXList.h"
#include "foundation/text/UxPairIntString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// An element whose destructions are counted, deleted through its virtual
// destructor like the program's records.  It matches only itself.
struct Counted {
    explicit Counted(int* destroyed) : destroyed(destroyed) {}
    virtual ~Counted() { ++*destroyed; }
    int* destroyed;
};

// A string that counts its destructions; an owning FCXList<FCString> deletes
// it through FCString's virtual destructor.
struct CountedString : FCString {
    CountedString(const char* text, int* destroyed) : FCString(text), destroyed(destroyed) {}
    ~CountedString() override { ++*destroyed; }
    int* destroyed;
};

// The two lists behind one face, so that every ring, search and iterator
// case runs on both.
struct OwningStrings {
    using List = FCXList<FCString>;
    using Node = List::Node;
    using Iterator = FCXListIterator<FCString>;
    static std::string textOf(const Node& node) { return node.item()->text(); }
    static std::string textOf(const FCString* item) { return item->text(); }

    Node* addFirst(const char* text) { return list.addFirst(new FCString(text), true); }
    Node* addLast(const char* text) { return list.addLast(new FCString(text), true); }
    Node* add(const char* text) { return list.add(new FCString(text), true); }
    bool remove(const char* text)
    {
        FCString key(text);
        return list.remove(&key, true);
    }
    List list;
};

struct CopiedStrings {
    using List = FCNList<FCString>;
    using Node = List::Node;
    using Iterator = FCNListIterator<FCString>;
    static std::string textOf(const Node& node) { return node.value().text(); }
    static std::string textOf(const FCString* item) { return item->text(); }

    Node* addFirst(const char* text) { return list.addFirst(FCString(text)); }
    Node* addLast(const char* text) { return list.addLast(FCString(text)); }
    Node* add(const char* text) { return list.add(FCString(text)); }
    bool remove(const char* text) { return list.remove(FCString(text)); }
    List list;
};

template <class Face>
Face* filled(Face& face, const Texts& texts)
{
    for (const std::string& text : texts)
        face.addLast(text.c_str());
    return &face;
}

template <class Face>
Texts iterated(Face& face)
{
    Texts out;
    typename Face::Iterator it(face.list);
    while (auto* item = it.next())
        out.push_back(Face::textOf(item));
    return out;
}

// Checks count, both ends and every link of the ring in both directions, and
// that an iterator yields the same order.
template <class Face>
void expectRing(Face& face, const Texts& expected)
{
    const auto& list = face.list;
    ASSERT_EQ(list.count(), static_cast<std::int32_t>(expected.size()));
    if (expected.empty()) {
        EXPECT_EQ(list.first(), nullptr);
        EXPECT_EQ(list.last(), nullptr);
        EXPECT_EQ(iterated(face), expected);
        return;
    }
    EXPECT_EQ(list.last()->next(), list.first());
    EXPECT_EQ(list.first()->prev(), list.last());
    Texts forward;
    auto* node = list.first();
    for (std::size_t i = 0; i < expected.size(); ++i, node = node->next()) {
        EXPECT_EQ(node->next()->prev(), node);
        forward.push_back(Face::textOf(*node));
    }
    EXPECT_EQ(node, list.first()) << "the ring does not close after count nodes";
    Texts backward;
    node = list.last();
    for (std::size_t i = 0; i < expected.size(); ++i, node = node->prev())
        backward.push_back(Face::textOf(*node));
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(backward, expected);
    EXPECT_EQ(iterated(face), expected);
}

template <class Face>
class BothLists : public ::testing::Test {
protected:
    using Node = typename Face::Node;
    Face face;
};

using Faces = ::testing::Types<OwningStrings, CopiedStrings>;
TYPED_TEST_SUITE(BothLists, Faces);

TYPED_TEST(BothLists, EmptyListFindsTheMarkerAndWalksNothing)
{
    auto& list = this->face.list;
    auto* found = list.find(FCString("a"));
    EXPECT_EQ(found, invalidListNode<typename TestFixture::Node>());
    EXPECT_FALSE(list.isNode(found));
    bool called = false;
    EXPECT_TRUE(list.forEach([&called](FCString&) { return called = true; }));
    EXPECT_FALSE(called);
    EXPECT_FALSE(this->face.remove("a"));
    expectRing(this->face, {});
}

TYPED_TEST(BothLists, AddFirstAndAddLastLinkTheRing)
{
    this->face.addFirst("a");
    this->face.addFirst("b");
    this->face.addLast("c");
    expectRing(this->face, {"b", "a", "c"});
    this->face.add("d");
    expectRing(this->face, {"b", "a", "c", "d"});
}

TYPED_TEST(BothLists, RemovalKeepsTheRing)
{
    struct Case {
        Texts before;
        const char* removed;
        bool found;
        Texts after;
    };
    const Case cases[] = {
        {{"a", "b", "c"}, "a", true, {"b", "c"}},
        {{"a", "b", "c"}, "b", true, {"a", "c"}},
        {{"a", "b", "c"}, "c", true, {"a", "b"}},
        {{"a", "b"}, "b", true, {"a"}},
        {{"a"}, "a", true, {}},
        {{"a", "b", "c"}, "x", false, {"a", "b", "c"}},
        {{"a", "b", "a"}, "a", true, {"b", "a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("removing ") + c.removed);
        TypeParam face;
        filled(face, c.before);
        EXPECT_EQ(face.remove(c.removed), c.found);
        expectRing(face, c.after);
        // The ring must still take nodes at both ends.
        face.addFirst("<");
        face.addLast(">");
        Texts grown = c.after;
        grown.insert(grown.begin(), "<");
        grown.push_back(">");
        expectRing(face, grown);
    }
}

TYPED_TEST(BothLists, RemovingTheNodeAnIteratorStandsOnContinuesWithItsSuccessor)
{
    struct Case {
        Texts list;
        int stepsBefore;  // elements taken from the iterator before the removal
        const char* removed;
        Texts rest;
    };
    const Case cases[] = {
        {{"a", "b", "c", "d"}, 1, "a", {"b", "c", "d"}},
        {{"a", "b", "c", "d"}, 2, "b", {"c", "d"}},
        {{"a", "b", "c", "d"}, 4, "d", {}},
        {{"a", "b", "c", "d"}, 2, "c", {"d"}},
        {{"a", "b", "c", "d"}, 2, "a", {"c", "d"}},
        {{"a", "b", "c", "d"}, 0, "a", {"b", "c", "d"}},
        {{"a"}, 1, "a", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("removing ") + c.removed + " after " + std::to_string(c.stepsBefore));
        TypeParam face;
        filled(face, c.list);
        typename TypeParam::Iterator it(face.list);
        for (int i = 0; i < c.stepsBefore; ++i)
            ASSERT_NE(it.next(), nullptr);
        ASSERT_TRUE(face.remove(c.removed));
        Texts rest;
        while (auto* item = it.next())
            rest.push_back(TypeParam::textOf(item));
        EXPECT_EQ(rest, c.rest);
    }
}

TYPED_TEST(BothLists, ForEachStopsWhenToldAndMayRemoveWhatItVisits)
{
    filled(this->face, {"a", "b", "c"});
    Texts seen;
    EXPECT_FALSE(this->face.list.forEach([&seen](FCString& s) {
        seen.push_back(s.text());
        return seen.size() < 2;
    }));
    EXPECT_EQ(seen, (Texts{"a", "b"}));

    seen.clear();
    EXPECT_TRUE(this->face.list.forEach([this, &seen](FCString& s) {
        seen.push_back(s.text());
        return this->face.remove(seen.back().c_str());
    }));
    EXPECT_EQ(seen, (Texts{"a", "b", "c"}));
    expectRing(this->face, {});
}

TYPED_TEST(BothLists, ClearingOrDestroyingTheListEndsIteration)
{
    filled(this->face, {"a", "b"});
    typename TypeParam::Iterator cleared(this->face.list);
    ASSERT_NE(cleared.next(), nullptr);
    this->face.list.clear();
    EXPECT_EQ(cleared.next(), nullptr);
    this->face.addLast("c");
    EXPECT_EQ(TypeParam::textOf(cleared.next()), "c");

    auto gone = std::make_unique<TypeParam>();
    filled(*gone, {"a", "b"});
    typename TypeParam::Iterator orphan(gone->list);
    ASSERT_NE(orphan.next(), nullptr);
    gone.reset();
    EXPECT_EQ(orphan.next(), nullptr);
}

TYPED_TEST(BothLists, SearchesReturnTheEarliestMatchOrTheMarker)
{
    auto& list = this->face.list;
    auto* first = this->face.addLast("same");
    this->face.addLast("other");
    auto* second = this->face.addLast("same");
    ASSERT_NE(first, second);
    const FCString same("same");
    const FCString missing("missing");
    EXPECT_EQ(list.find(same), first);
    EXPECT_EQ(list.findChecked(&same), first);
    EXPECT_EQ(list.find(missing), invalidListNode<typename TestFixture::Node>());
    EXPECT_EQ(list.findChecked(nullptr), invalidListNode<typename TestFixture::Node>());
    EXPECT_TRUE(list.contains(same));
    EXPECT_TRUE(list.containsChecked(&same));
    EXPECT_FALSE(list.contains(missing));
    EXPECT_FALSE(list.containsChecked(nullptr));
}

TYPED_TEST(BothLists, ContainsNodeComparesIdentity)
{
    auto* own = this->face.addLast("a");
    TypeParam other;
    auto* foreign = other.addLast("a");
    auto& list = this->face.list;
    EXPECT_TRUE(list.containsNode(own));
    EXPECT_FALSE(list.containsNode(foreign));
    EXPECT_FALSE(list.containsNode(nullptr));
    EXPECT_FALSE(list.containsNode(invalidListNode<typename TestFixture::Node>()));
    EXPECT_TRUE(list.isNode(own));
    EXPECT_FALSE(list.isNode(nullptr));
}

TEST(InvalidNode, IsAPointerWithAllBitsSet)
{
    using Node = FCXListNode<FCString>;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(invalidListNode<Node>()), ~std::uintptr_t(0));
    EXPECT_FALSE(isListNode<Node>(nullptr));
    EXPECT_FALSE(isListNode(invalidListNode<Node>()));
}

// --- FCXList: matching and ownership --------------------------------------

TEST(XListMatch, StringsMatchByTextIdStringsById)
{
    FCXList<FCString> strings;
    FCString abc("abc");
    strings.addLast(&abc, false);
    EXPECT_TRUE(strings.contains(FCString("abc")));
    EXPECT_TRUE(strings.contains(FCString(abc)));  // shares the representation
    EXPECT_FALSE(strings.contains(FCString("abd")));
    EXPECT_FALSE(strings.contains(FCString("ab")));
    EXPECT_FALSE(strings.contains(FCString("abcd")));

    FCXList<FCIdString> ids;
    ids.addLast(new FCIdString(7, "seven"), true);
    auto* eight = ids.addLast(new FCIdString(8, "eight"), true);
    EXPECT_EQ(ids.find(FCIdString(8, "other text")), eight);
    EXPECT_FALSE(ids.contains(FCIdString(9, "seven")));
}

TEST(XListMatch, RecordsMatchOnlyThemselves)
{
    int destroyed = 0;
    Counted kept(&destroyed);
    Counted lookalike(&destroyed);
    FCXList<Counted> list;
    auto* node = list.addLast(&kept, false);
    EXPECT_EQ(list.find(kept), node);
    EXPECT_FALSE(list.contains(lookalike));
    EXPECT_FALSE(list.remove(&lookalike, true));
    EXPECT_TRUE(list.remove(&kept, true));
    EXPECT_EQ(destroyed, 0);
}

TEST(XListOwnership, ClearingAndDestroyingFreeOwnedElementsOnly)
{
    int destroyed = 0;
    Counted notOwned(&destroyed);
    {
        FCXList<Counted> list;
        list.addLast(new Counted(&destroyed), true);
        list.addLast(&notOwned, false);
        list.addFirst(new Counted(&destroyed), true);
        list.clear();
        EXPECT_EQ(destroyed, 2);
        EXPECT_EQ(list.count(), 0);
        list.add(new Counted(&destroyed), true);
        list.add(&notOwned, false);
        list.removeAll();
        EXPECT_EQ(destroyed, 3);
        list.add(new Counted(&destroyed), true);
        list.add(&notOwned, false);
    }
    EXPECT_EQ(destroyed, 4);
}

TEST(XListOwnership, OwnedStringsAreDeletedThroughTheirVirtualDestructor)
{
    int destroyed = 0;
    CountedString notOwned("kept", &destroyed);
    {
        FCXList<FCString> list;
        list.addLast(new CountedString("a", &destroyed), true);
        list.addLast(&notOwned, false);
        list.addLast(new CountedString("b", &destroyed), true);
    }
    EXPECT_EQ(destroyed, 2);
    EXPECT_STREQ(notOwned.text(), "kept");
}

TEST(XListOwnership, RemoveDestroysAnOwnedElementOnlyWithDestroyNode)
{
    struct Case {
        bool owned;
        bool destroyNode;
        int destroyed;
    };
    const Case cases[] = {{true, true, 1}, {true, false, 0}, {false, true, 0}, {false, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "owned " << c.owned << ", destroyNode " << c.destroyNode);
        int destroyed = 0;
        auto* element = new Counted(&destroyed);
        FCXList<Counted> list;
        list.addLast(element, c.owned);
        EXPECT_TRUE(list.remove(element, c.destroyNode));
        EXPECT_EQ(destroyed, c.destroyed);
        EXPECT_EQ(list.count(), 0);
        if (c.destroyed == 0)
            delete element;  // still ours; a double free here would be caught
    }
}

TEST(XListOwnership, NullElementsAreNotAdded)
{
    FCXList<FCString> list;
    list.addLast(new FCString("a"), true);
    EXPECT_EQ(list.addLast(nullptr, true), nullptr);
    EXPECT_EQ(list.addFirst(nullptr, false), nullptr);
    list.addLast(new FCString("b"), true);
    EXPECT_EQ(list.count(), 2);
    FCXListIterator<FCString> it(list);
    EXPECT_STREQ(it.next()->text(), "a");
    EXPECT_STREQ(it.next()->text(), "b");
    EXPECT_EQ(it.next(), nullptr);
}

// --- FCNList: copies and given nodes ---------------------------------------

TEST(NList, KeepsCopiesIndependentOfTheOriginals)
{
    FCString original("path");
    FCNList<FCString> list;
    auto* node = list.addLast(original);
    original.append("-changed");
    EXPECT_STREQ(node->value().text(), "path");
    node->value().append("-stored");
    EXPECT_STREQ(original.text(), "path-changed");
    EXPECT_TRUE(list.contains("path-stored"));
}

TEST(NList, LinksGivenNodesAndIgnoresMissingOnes)
{
    FCNList<FCString> list;
    list.add("middle");
    auto* first = list.linkFirst(std::make_unique<FCNListNode<FCString>>(FCString("first")));
    auto* last = list.linkLast(std::make_unique<FCNListNode<FCString>>(FCString("last")));
    EXPECT_EQ(list.linkFirst(nullptr), nullptr);
    EXPECT_EQ(list.linkLast(nullptr), nullptr);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.first(), first);
    EXPECT_EQ(list.last(), last);
    EXPECT_EQ(first->next()->value().text(), std::string("middle"));
}

TEST(NList, PairsAreFoundByTheirText)
{
    FCNList<UxPairIntString> duplicates;
    duplicates.add(UxPairIntString(10, "a\\x.wav"));
    auto* second = duplicates.add(UxPairIntString(20, "b\\x.wav"));
    EXPECT_EQ(duplicates.find("b\\x.wav"), second);
    EXPECT_EQ(second->value().value, 20);
    EXPECT_FALSE(duplicates.contains("20"));
    EXPECT_TRUE(duplicates.remove("a\\x.wav"));
    EXPECT_EQ(duplicates.first(), second);
    EXPECT_EQ(duplicates.count(), 1);
}

// --- small value classes -----------------------------------------------------

TEST(UxPairIntString, CopiesBothParts)
{
    UxPairIntString original(42, "path");
    UxPairIntString copy(original);
    original.text.append("-changed");
    original.value = 1;
    EXPECT_STREQ(copy.text.text(), "path");
    EXPECT_EQ(copy.value, 42);
    UxPairIntString assigned;
    assigned = copy;
    EXPECT_STREQ(assigned.text.text(), "path");
    EXPECT_EQ(assigned.value, 42);
}

TEST(FCRange, ContainsBothBoundsAndNothingWhenReversed)
{
    struct Case {
        int first;
        int last;
        int value;
        bool inside;
    };
    const Case cases[] = {
        {1, 5, 0, false}, {1, 5, 1, true}, {1, 5, 3, true},   {1, 5, 5, true},
        {1, 5, 6, false}, {5, 1, 3, false}, {-2, -2, -2, true}, {0, 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last << " holds " << c.value);
        EXPECT_EQ(FCRange<int>(c.first, c.last).contains(c.value), c.inside);
    }
    EXPECT_TRUE(FCRange<int>().contains(0));
}

}  // namespace
