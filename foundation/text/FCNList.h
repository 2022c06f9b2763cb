// FCNList: the circular doubly linked list that holds copies of its
// elements.  It shares the ring, the iterator rules and the invalid-node
// marker with FCXList (FCXList.h).
//
// Searches compare texts: a key is a text and matches an element whose text
// the platform comparison finds equal to it.
#pragma once

#include "FCXList.h"
#include "Texts.h"

#include <memory>

// The text of an element that FCNList searches compare with a key.
// Element types specialise it beside their own definition.
template <class T>
struct FCNListText;

template <>
struct FCNListText<FCString> {
    static const FCString& of(const FCString& element) { return element; }
};

// One node: the ring links and the node's own copy of an element.  Callers
// may build nodes to hand to linkFirst or linkLast.
template <class T>
class FCNListNode : public FCListLinks<FCNListNode<T>> {
public:
    explicit FCNListNode(const T& value) : value_(value) {}
    virtual ~FCNListNode() = default;

    T& value() { return value_; }
    const T& value() const { return value_; }

private:
    T value_;
};

template <class T>
class FCNListIterator;

template <class T>
class FCNList : public FCListRing<FCNListNode<T>> {
public:
    using Node = FCNListNode<T>;

    FCNList() = default;
    virtual ~FCNList() { clear(); }

    // Calls fn on each stored copy from the first to the last; false as soon
    // as fn returns false, else true (true for an empty list).
    virtual bool forEach(const std::function<bool(T&)>& fn);
    virtual void removeAll() { clear(); }
    virtual void clear() { this->destroyAll(); }

    // Take a node over and link it as the first or last node; the result is
    // the node, or nullptr when none was given.  Taking the node by
    // unique_ptr keeps a node of another list, or one linked twice, out.
    virtual Node* linkFirst(std::unique_ptr<Node> node);
    virtual Node* linkLast(std::unique_ptr<Node> node);
    // Store a copy of value as the first or last element; throw
    // NotEnoughMemoryException when no node can be had.
    virtual Node* addFirst(const T& value) { return linkFirst(makeNode(value)); }
    virtual Node* addLast(const T& value) { return linkLast(makeNode(value)); }
    virtual Node* add(const T& value) { return addLast(value); }

    // Destroys the first node whose text equals key; false when none does.
    virtual bool remove(const FCString& key);

    // The first node whose text equals key; the marker when none does.
    virtual Node* find(const FCString& key) const;
    // As find; a nullptr key gives the marker.
    virtual Node* findChecked(const FCString* key) const;
    virtual bool containsNode(const Node* node) const { return this->holds(node); }
    virtual bool contains(const FCString& key) const { return isNode(find(key)); }
    virtual bool containsChecked(const FCString* key) const { return isNode(findChecked(key)); }
    virtual bool isNode(const Node* p) const { return isListNode(p); }

private:

    static std::unique_ptr<Node> makeNode(const T& value);
};

// Returns the stored copies of a list, first to last, then nullptr.
template <class T>
class FCNListIterator : public FCListRingIterator<FCNListNode<T>> {
public:
    explicit FCNListIterator(FCNList<T>& list) : FCListRingIterator<FCNListNode<T>>(list) {}
    virtual ~FCNListIterator() = default;

    T* next()
    {
        FCNListNode<T>* node = this->step();
        return node == nullptr ? nullptr : &node->value();
    }
};

template <class T>
bool FCNList<T>::forEach(const std::function<bool(T&)>& fn)
{
    FCNListIterator<T> it(*this);
    while (T* value = it.next()) {
        if (!fn(*value))
            return false;
    }
    return true;
}

template <class T>
std::unique_ptr<FCNListNode<T>> FCNList<T>::makeNode(const T& value)
{
    std::unique_ptr<Node> node(new (std::nothrow) Node(value));
    if (node == nullptr)
        throwNotEnoughMemory(texts::kCaptionNListAdd);
    return node;
}

template <class T>
FCNListNode<T>* FCNList<T>::linkFirst(std::unique_ptr<Node> node)
{
    return node == nullptr ? nullptr : FCListRing<Node>::linkFirst(node.release());
}

template <class T>
FCNListNode<T>* FCNList<T>::linkLast(std::unique_ptr<Node> node)
{
    return node == nullptr ? nullptr : FCListRing<Node>::linkLast(node.release());
}

template <class T>
bool FCNList<T>::remove(const FCString& key)
{
    Node* node = find(key);
    if (!isNode(node))
        return false;
    this->destroy(node);
    return true;
}

template <class T>
FCNListNode<T>* FCNList<T>::find(const FCString& key) const
{
    return this->findFirst(
        [&key](const Node& node) { return FCNListText<T>::of(node.value()).equals(key.text()); });
}

template <class T>
FCNListNode<T>* FCNList<T>::findChecked(const FCString* key) const
{
    return key == nullptr ? invalidListNode<Node>() : find(*key);
}
