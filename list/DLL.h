// DLL: a doubly linked list of ints that grows at its front and owns its nodes.
#pragma once

struct ListNode {
    int val;
    ListNode* nextNode;  // toward the back; nullptr at the back
    ListNode* prevNode;  // toward the front; nullptr at the front
};

class DLL {
  public:
    DLL() = default;
    ~DLL();
    DLL(const DLL&) = delete;  // nodes have one owner: a copy would free them twice
    DLL& operator=(const DLL&) = delete;

    // Prints the values front to back, each followed by " --> ", or "List is empty".
    void printList();

    // Puts a new node holding newValue at the front.
    void insert(int newValue);

    // Asks for an int on standard input and prints every 1-based position where it stands,
    // front to back. When no int can be read (std::cin is then failed) it prints no location
    // and says so on standard error.
    void search();

    ListNode* front = nullptr;
};
