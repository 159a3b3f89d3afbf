// A process-wide instance of T, created on first use and never destroyed.
#pragma once

template <typename T>
class CSingleton {
public:
    static T* GetInstance() {
        if (!m_Singleton) m_Singleton = new T();
        return m_Singleton;
    }

protected:
    CSingleton() {}
    ~CSingleton() {}

private:
    static T* m_Singleton;
};

template <typename T>
T* CSingleton<T>::m_Singleton = nullptr;
