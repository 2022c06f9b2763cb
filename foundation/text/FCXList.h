// FCXList: the circular doubly linked list of element pointers, with a
// per-node ownership flag.
//
// The nodes form a ring: the last node's next is the first, the first node's
// prev is the last.  The list keeps only `count` and `last`.  This header
// also holds what FCNList (FCNList.h) shares with it: the ring itself, its
// iterator base, the invalid-node marker and the container tag.
//
// Searches that find nothing return the invalid-node marker, never nullptr,
// so "not found" and "no node given" stay apart; test results with isNode().
//
// Iterators register with their list.  Removing the node an iterator stands
// on moves the iterator back, so that its next step yields the node that
// followed the removed one.  Clearing the list puts its iterators back
// before the first node (they go on with nodes added later); destroying it
// ends their walk.  Callbacks of forEach may therefore remove elements.
#pragma once

#include "Diagnostic.h"
#include "Texts.h"
#include "FCString.h"

#include <cstdint>
#include <functional>
#include <new>

// The invalid-node marker: a node pointer with all bits set.
template <class Node>
Node* invalidListNode()
{
    return reinterpret_cast<Node*>(~std::uintptr_t(0));
}

// A pointer is a node when it is neither nullptr nor the marker.
template <class Node>
bool isListNode(const Node* p)
{
    return p != nullptr && p != invalidListNode<Node>();
}

template <class Node>
class FCListRing;
template <class Node>
class FCListRingIterator;

// The ring links of a node; only the ring and its iterators change them.
template <class Node>
class FCListLinks {
public:
    FCListLinks(const FCListLinks&) = delete;
    FCListLinks& operator=(const FCListLinks&) = delete;

    Node* prev() const { return prev_; }
    Node* next() const { return next_; }

protected:
    FCListLinks() = default;
    ~FCListLinks() = default;

private:
    friend class FCListRing<Node>;
    friend class FCListRingIterator<Node>;
    Node* prev_ = nullptr;
    Node* next_ = nullptr;
};

// The ring of nodes of one list: linking, unlinking, destroying, the
// identity test and the first-match search, plus the list of the iterators
// standing on it.  The ring owns its nodes.
template <class Node>
class FCListRing {
public:
    FCListRing(const FCListRing&) = delete;
    FCListRing& operator=(const FCListRing&) = delete;

    std::int32_t count() const { return count_; }
    Node* first() const { return last_ == nullptr ? nullptr : last_->next_; }
    Node* last() const { return last_; }

protected:
    FCListRing() = default;
    // The derived list destroys the nodes; what is left is to tell the
    // iterators that their list is gone.
    ~FCListRing()
    {
        for (FCListRingIterator<Node>* it = iterators_; it != nullptr; it = it->nextIterator_)
            it->ring_ = nullptr;
    }

    // Places node between the last and the first node; it becomes the first.
    Node* linkFirst(Node* node)
    {
        link(node);
        return node;
    }

    // Places node after the last node; it becomes the last.
    Node* linkLast(Node* node)
    {
        link(node);
        last_ = node;
        return node;
    }

    // Unlinks node, one of this ring's, and deletes it.
    void destroy(Node* node)
    {
        for (FCListRingIterator<Node>* it = iterators_; it != nullptr; it = it->nextIterator_) {
            if (it->current_ == node)
                it->current_ = node == first() ? nullptr : node->prev_;
        }
        if (count_ == 1) {
            last_ = nullptr;
        } else {
            if (node == last_)
                last_ = node->prev_;
            node->prev_->next_ = node->next_;
            node->next_->prev_ = node->prev_;
        }
        --count_;
        delete node;
    }

    // Deletes every node from the first on.  The ring is empty before the
    // first node goes, so an element destructor that looks at the list sees
    // a consistent one.
    void destroyAll()
    {
        if (last_ == nullptr)
            return;
        Node* node = last_->next_;
        last_->next_ = nullptr;
        last_ = nullptr;
        count_ = 0;
        for (FCListRingIterator<Node>* it = iterators_; it != nullptr; it = it->nextIterator_)
            it->current_ = nullptr;
        while (node != nullptr) {
            Node* following = node->next_;
            delete node;
            node = following;
        }
    }

    bool holds(const Node* node) const
    {
        return isListNode(node) && findFirst([node](const Node& n) { return &n == node; }) == node;
    }

    // The first node, from the first to the last, that satisfies matches;
    // the invalid-node marker when none does.
    template <class Predicate>
    Node* findFirst(Predicate matches) const
    {
        for (Node* node = first(); node != nullptr; node = node == last_ ? nullptr : node->next_) {
            if (matches(*node))
                return node;
        }
        return invalidListNode<Node>();
    }

private:
    friend class FCListRingIterator<Node>;

    void link(Node* node)
    {
        if (last_ == nullptr) {
            node->prev_ = node;
            node->next_ = node;
            last_ = node;
        } else {
            node->prev_ = last_;
            node->next_ = last_->next_;
            last_->next_->prev_ = node;
            last_->next_ = node;
        }
        ++count_;
    }

    std::int32_t count_ = 0;
    Node* last_ = nullptr;
    FCListRingIterator<Node>* iterators_ = nullptr;
};

// Walks a ring from the first node to the last, one node per step.
template <class Node>
class FCListRingIterator {
public:
    FCListRingIterator(const FCListRingIterator&) = delete;
    FCListRingIterator& operator=(const FCListRingIterator&) = delete;

protected:
// GCC warns that a local iterator's address is stored in the list; the
// iterator's destructor takes it out again, and the list's destructor
// forgets it, so the pointer never outlives either of them.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
    explicit FCListRingIterator(FCListRing<Node>& ring) : ring_(&ring), nextIterator_(ring.iterators_)
    {
        ring.iterators_ = this;
    }
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif

    ~FCListRingIterator()
    {
        if (ring_ == nullptr)
            return;
        FCListRingIterator** link = &ring_->iterators_;
        while (*link != this)
            link = &(*link)->nextIterator_;
        *link = nextIterator_;
    }

    // The node after the one last returned (the first node on the first
    // step); nullptr once the last node has been returned, when the list is
    // empty, or when the list is gone.
    Node* step()
    {
        if (ring_ == nullptr || ring_->last_ == nullptr || current_ == ring_->last_)
            return nullptr;
        current_ = current_ == nullptr ? ring_->last_->next_ : current_->next_;
        return current_;
    }

private:
    friend class FCListRing<Node>;
    FCListRing<Node>* ring_;
    Node* current_ = nullptr;  // the node last returned; nullptr before the first step
    FCListRingIterator* nextIterator_;
};

// ---------------------------------------------------------------------------
// FCXList

// How a key picks an element of an FCXList<T>.  By default only the element
// itself matches (command records are found by identity); element types with
// a value to compare specialise this beside their own definition.
template <class T>
struct FCXListMatch {
    static bool matches(const T& element, const T& key) { return &element == &key; }
};

// Strings match by text: the same representation, or equal lengths and the
// platform comparison finding them equal.
template <>
struct FCXListMatch<FCString> {
    static bool matches(const FCString& element, const FCString& key) { return element.equals(key); }
};

template <class T>
class FCXList;

// One node: the element pointer and whether the node deletes the element.
template <class T>
class FCXListNode : public FCListLinks<FCXListNode<T>> {
public:
    T* item() const { return item_; }
    bool owned() const { return owned_; }

private:
    friend class FCXList<T>;
    friend class FCListRing<FCXListNode<T>>;

    FCXListNode(T* item, bool owned) : owned_(owned), item_(item) {}
    virtual ~FCXListNode()
    {
        if (owned_)
            delete item_;
    }

    bool owned_;
    T* item_;
};

template <class T>
class FCXListIterator;

template <class T>
class FCXList : public FCListRing<FCXListNode<T>> {
public:
    using Node = FCXListNode<T>;

    FCXList() = default;
    virtual ~FCXList() { clear(); }

    // Calls fn on each element from the first to the last; false as soon as
    // fn returns false, else true (true for an empty list).
    virtual bool forEach(const std::function<bool(T&)>& fn);
    virtual void removeAll() { clear(); }
    // Destroys every node, and the elements the nodes own.
    virtual void clear() { this->destroyAll(); }

    // Both add item as the new first or last node and return the node.  With
    // owned the list takes item over at the call: it deletes item with the
    // node, and also when no node can be had, before throwing
    // NotEnoughMemoryException.  A nullptr item is not added (the result is
    // nullptr): next() of an iterator could not tell it from the end.
    virtual Node* addFirst(T* item, bool owned);
    virtual Node* addLast(T* item, bool owned);
    virtual Node* add(T* item, bool owned) { return addLast(item, owned); }

    // Removes the first node whose element matches key; false when none does
    // or key is nullptr.  With destroyNode an owned element is destroyed with
    // its node; without it the element, owned or not, is left alive to the
    // caller.  The node itself never outlives its list.
    virtual bool remove(const T* key, bool destroyNode);

    // The first node whose element matches key; the marker when none does.
    virtual Node* find(const T& key) const;
    // As find; a nullptr key gives the marker.
    virtual Node* findChecked(const T* key) const;
    virtual bool containsNode(const Node* node) const { return this->holds(node); }
    virtual bool contains(const T& key) const { return isNode(find(key)); }
    virtual bool containsChecked(const T* key) const { return isNode(findChecked(key)); }
    virtual bool isNode(const Node* p) const { return isListNode(p); }

private:

    Node* makeNode(T* item, bool owned);
};

// Returns the elements of a list, first to last, then nullptr.
template <class T>
class FCXListIterator : public FCListRingIterator<FCXListNode<T>> {
public:
    explicit FCXListIterator(FCXList<T>& list) : FCListRingIterator<FCXListNode<T>>(list) {}
    virtual ~FCXListIterator() = default;

    T* next()
    {
        FCXListNode<T>* node = this->step();
        return node == nullptr ? nullptr : node->item();
    }
};

template <class T>
bool FCXList<T>::forEach(const std::function<bool(T&)>& fn)
{
    FCXListIterator<T> it(*this);
    while (T* item = it.next()) {
        if (!fn(*item))
            return false;
    }
    return true;
}

template <class T>
FCXListNode<T>* FCXList<T>::makeNode(T* item, bool owned)
{
    Node* node = new (std::nothrow) Node(item, owned);
    if (node == nullptr) {
        if (owned)
            delete item;
        throwNotEnoughMemory(texts::kCaptionXListAdd);
    }
    return node;
}

template <class T>
FCXListNode<T>* FCXList<T>::addFirst(T* item, bool owned)
{
    return item == nullptr ? nullptr : this->linkFirst(makeNode(item, owned));
}

template <class T>
FCXListNode<T>* FCXList<T>::addLast(T* item, bool owned)
{
    return item == nullptr ? nullptr : this->linkLast(makeNode(item, owned));
}

template <class T>
bool FCXList<T>::remove(const T* key, bool destroyNode)
{
    Node* node = findChecked(key);
    if (!isNode(node))
        return false;
    if (!destroyNode)
        node->owned_ = false;
    this->destroy(node);
    return true;
}

template <class T>
FCXListNode<T>* FCXList<T>::find(const T& key) const
{
    return this->findFirst([&key](const Node& node) { return FCXListMatch<T>::matches(*node.item(), key); });
}

template <class T>
FCXListNode<T>* FCXList<T>::findChecked(const T* key) const
{
    return key == nullptr ? invalidListNode<Node>() : find(*key);
}
